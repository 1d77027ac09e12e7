#pragma once
// Trimming as the device's text files expect it: blanks and control characters (every code up to
// and including the blank) go from both ends. A Ctrl-Z left at the end of a file edited with an
// old DOS editor counts as one of them; a no-break space does not.
#include <QString>

QString TrimBlanksAndControls(const QString& text);
