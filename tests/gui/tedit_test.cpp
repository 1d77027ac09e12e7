#include "menu_actions.h"
#include "platform/colors.h"
#include "platform/talign_edit.h"
#include "platform/tedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Lets only backspace, digits and a-f (entered as A-F) through, at most `limit` characters:
// the kind of filter the number fields use.
auto hexFilter(TEdit& edit, int limit, QString* seen = nullptr) {
    return [&edit, limit, seen](QChar& key) {
        if (seen)
            *seen += key;
        if (key == QChar(8))
            return;
        if (edit.Text().size() >= limit) {
            key = QChar(0);
            return;
        }
        if (key >= u'a' && key <= u'f')
            key = key.toUpper();
        else if (!key.isDigit() && !(key >= u'A' && key <= u'F'))
            key = QChar(0);
    };
}

} // namespace

class TEditTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TAlignEdit> edit;

private slots:
    void init() {
        edit = std::make_unique<TAlignEdit>();
        edit->show();
        QVERIFY(QTest::qWaitForWindowExposed(edit.get()));
        edit->setFocus();
    }
    void cleanup() { edit.reset(); }

    void keysReachTheHandlerAsToolkitCharacters_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 27;
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << int(Qt::ControlModifier) << "\x01" << 1;
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03" << 3;
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << 22;
        QTest::newRow("ctrl+x no text") << int(Qt::Key_X) << int(Qt::ControlModifier) << "" << 24;
        QTest::newRow("ctrl+z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "\x1a" << 26;
        QTest::newRow("a") << int(Qt::Key_A) << 0 << "a" << int('a');
        QTest::newRow("shift+a") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << int('A');
        QTest::newRow("cyrillic") << 0x414 << 0 << QStringLiteral("д") << 0x434;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << " " << int(' ');
    }
    void keysReachTheHandlerAsToolkitCharacters() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        QList<int> seen;
        edit->OnKeyPress = [&](QChar& k) { seen << k.unicode(); };
        QTest::sendKeyEvent(QTest::Click, edit.get(), Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(seen, QList<int>{code});
    }

    void keysWithoutCharacterPassUnfiltered() {
        QString seen;
        edit->OnKeyPress = hexFilter(*edit, 8, &seen);
        QList<int> released;
        edit->OnKeyUp = [&](int key) { released << key; };
        QTest::keyClicks(edit.get(), "123");
        seen.clear();
        QTest::keyClick(edit.get(), Qt::Key_Home);
        QTest::keyClick(edit.get(), Qt::Key_Delete);
        QTest::keyClick(edit.get(), Qt::Key_End);
        QTest::keyClick(edit.get(), Qt::Key_Left);
        QTest::keyClick(edit.get(), Qt::Key_F5);
        QCOMPARE(edit->Text(), QString("23"));
        QCOMPARE(edit->cursorPosition(), 1);
        QVERIFY(seen.isEmpty());
        QCOMPARE(released.mid(3),
                 (QList<int>{Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left, Qt::Key_F5}));
    }

    void handlerDropsAndChangesKeys() {
        edit->OnKeyPress = hexFilter(*edit, 4);
        QTest::keyClicks(edit.get(), "1x.a-Fg");
        QCOMPARE(edit->Text(), QString("1AF"));
        QTest::keyClicks(edit.get(), "9999");
        QCOMPARE(edit->Text(), QString("1AF9"));
        // The length rule counts selected characters too: a full field is not overtyped.
        edit->selectAll();
        QTest::keyClick(edit.get(), Qt::Key_5);
        QCOMPARE(edit->Text(), QString("1AF9"));
        QTest::keyClick(edit.get(), Qt::Key_Backspace);
        QCOMPARE(edit->Text(), QString());
    }

    void keyTurnedIntoBackspaceDeletes() {
        edit->OnKeyPress = [&](QChar& key) {
            if (edit->Text().trimmed() == "0")
                key = QChar(8);
        };
        QTest::keyClicks(edit.get(), "0");
        QCOMPARE(edit->Text(), QString("0"));
        QTest::keyClick(edit.get(), Qt::Key_7);
        QCOMPARE(edit->Text(), QString());
        QTest::keyClicks(edit.get(), "12");
        QCOMPARE(edit->Text(), QString("12"));
    }

    void droppedControlCharactersDoNothing() {
        QApplication::clipboard()->setText("99");
        edit->OnKeyPress = hexFilter(*edit, 8);
        QSignalSpy returned(edit.get(), &QLineEdit::returnPressed);
        QTest::keyClicks(edit.get(), "12");
        QTest::keyClick(edit.get(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit.get(), Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(edit.get(), Qt::Key_Return);
        QCOMPARE(edit->Text(), QString("12"));
        QVERIFY(!edit->hasSelectedText());
        QCOMPARE(returned.count(), 0);
        QCOMPARE(QApplication::clipboard()->text(), QString("99"));
    }

    void survivingControlCharactersEdit() {
        // Letters are dropped but control characters pass: Ctrl+V then pastes as the field does.
        edit->OnKeyPress = [](QChar& key) {
            if (key.isLetter())
                key = QChar(0);
        };
        QSignalSpy returned(edit.get(), &QLineEdit::returnPressed);
        QApplication::clipboard()->setText("ab");
        QTest::keyClicks(edit.get(), "1x2");
        QTest::keyClick(edit.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->Text(), QString("12ab"));
        QTest::keyClick(edit.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), QString("12ab"));
        QTest::keyClick(edit.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit->Text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QString("12ab"));
        QTest::keyClick(edit.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->Text(), QString("12ab"));
        QTest::keyClick(edit.get(), Qt::Key_Return);
        QCOMPARE(returned.count(), 1);
    }

    void pasteGoesThroughTheFilterCharacterByCharacter() {
        edit->OnKeyPress = hexFilter(*edit, 4);
        QApplication::clipboard()->setText("1a-2b\r\n3c");
        std::unique_ptr<QMenu> menu(edit->CreateContextMenu());
        QAction* paste = PasteAction(menu.get());
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(edit->Text(), QString("1A2B"));

        edit->SetText("");
        QApplication::clipboard()->setText("f0x");
        QTest::keyClick(edit.get(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(edit->Text(), QString("F0"));
        edit->Paste();
        QCOMPARE(edit->Text(), QString("F0F0"));
    }

    void pasteWithoutHandlerIsPlain() {
        edit->SetMaxLength(5);
        QApplication::clipboard()->setText("ab-cdefg\nsecond");
        edit->Paste();
        QCOMPARE(edit->Text(), QString("ab-cd"));
    }

    void upperCaseAndMaxLength() {
        edit->SetCharCase(TEditCharCase::ecUpperCase);
        edit->SetMaxLength(4);
        QString seen;
        edit->OnKeyPress = [&](QChar& key) { seen += key; };
        QTest::keyClicks(edit.get(), "ab1cd");
        QCOMPARE(seen, QString("ab1cd"));
        QCOMPARE(edit->Text(), QString("AB1C"));
        edit->selectAll();
        QTest::keyClicks(edit.get(), "z");
        QCOMPARE(edit->Text(), QString("Z"));
        QApplication::clipboard()->setText("xy");
        QTest::keyClick(edit.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->Text(), QString("ZXY"));
        // Program text is upper case as well but not cut to the typing limit.
        edit->SetText("serial123");
        QCOMPARE(edit->Text(), QString("SERIAL123"));
    }

    void programTextPassesNoFilterAndKeepsTheColour() {
        int filtered = 0;
        int released = 0;
        edit->OnKeyPress = [&](QChar& key) {
            ++filtered;
            key = QChar(0);
        };
        edit->OnKeyUp = [&](int) { ++released; };
        edit->SetColor(ErrorColor());
        edit->SetText("zz-12");
        QCOMPARE(edit->Text(), QString("zz-12"));
        QCOMPARE(filtered, 0);
        QCOMPARE(released, 0);
        QCOMPARE(edit->Color(), ErrorColor());
        edit->SetColor(WindowColor());
        QCOMPARE(edit->Color(), WindowColor());
        QCOMPARE(WindowColor(), QApplication::palette().color(QPalette::Base));
        QCOMPARE(ErrorColor(), QColor(255, 218, 185));
    }

    void keyUpAfterEveryReleaseButNotRepeats() {
        QList<int> released;
        edit->OnKeyUp = [&](int key) { released << key; };
        edit->OnKeyPress = [](QChar& key) { key = QChar(0); };
        QTest::keyClick(edit.get(), Qt::Key_7);
        QTest::keyRelease(edit.get(), Qt::Key_Control);
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_8, Qt::NoModifier, "8", true);
        QApplication::sendEvent(edit.get(), &repeat);
        QCOMPARE(released, (QList<int>{Qt::Key_7, Qt::Key_Control}));
    }
};

QTEST_MAIN(TEditTest)
#include "tedit_test.moc"
