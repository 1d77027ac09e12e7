#include "platform/file_filter.h"

#include <gtest/gtest.h>

TEST(FileFilterTest, ToolkitFilterBecomesQtNameFilters) {
    const struct {
        QString toolkit;
        QStringList qt;
    } cases[] = {
        {"*.tcf|*.tcf", {"*.tcf (*.tcf)"}},
        {"*.txt|*.txt", {"*.txt (*.txt)"}},
        {"Text|*.txt;*.log|All|*.*", {"Text (*.txt *.log)", "All (*.*)"}},
        {"*.hex", {"*.hex (*.hex)"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtNameFilters(c.toolkit), c.qt) << c.toolkit.toStdString();
}

TEST(FileFilterTest, DefaultExtensionOnlyForANameWithoutOne) {
    const struct {
        QString path, ext, result;
    } cases[] = {
        {"/w/cmd", "tcf", "/w/cmd.tcf"},
        {"/w/cmd.tcf", "tcf", "/w/cmd.tcf"},
        {"/w/cmd.txt", "tcf", "/w/cmd.txt"},
        {"/w.d/cmd", "tcf", "/w.d/cmd.tcf"},
        {"/w/cmd", "", "/w/cmd"},
        {"", "tcf", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithDefaultExt(c.path, c.ext), c.result) << c.path.toStdString();
}
