#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

TEST(ScriptedDialogsTest, RecordsInOrderAndAnswersFromQueuesWithDefaults) {
    ScriptedDialogs dialogs;
    dialogs.queueBoxAnswer(BoxResult::Cancel);
    dialogs.queueOpenFile("/w/a.tcf");

    EXPECT_EQ(dialogs.messageBox("q1", "c", BoxKind::Warning, BoxButtons::OkCancel), BoxResult::Cancel);
    EXPECT_EQ(dialogs.messageBox("q2", "c", BoxKind::Warning, BoxButtons::OkCancel), BoxResult::Ok);
    dialogs.showMessage(" m");
    EXPECT_EQ(dialogs.openFile({"*.tcf|*.tcf", "tcf", ".", "x"}), "/w/a.tcf");
    EXPECT_EQ(dialogs.openFile({}), QString());
    EXPECT_EQ(dialogs.saveFile({}), QString());
    dialogs.showError("e");

    EXPECT_EQ(dialogs.messages(), (QStringList{"q1", "q2", " m", "e"}));
    EXPECT_EQ(dialogs.lastMessage(), "e");
    ASSERT_EQ(dialogs.calls().size(), 7u);
    EXPECT_EQ(dialogs.calls()[3].kind, ScriptedDialogs::CallKind::OpenFile);
    EXPECT_EQ(dialogs.calls()[3].request.filter, "*.tcf|*.tcf");
    EXPECT_EQ(dialogs.calls()[6].kind, ScriptedDialogs::CallKind::Error);

    dialogs.clear();
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(dialogs.lastMessage(), QString());
}

TEST(ScriptedDialogsTest, OnShownRunsWhileTheBoxIsUpAndNestedBoxesAnswerFirst) {
    ScriptedDialogs dialogs;
    dialogs.queueBoxAnswer(BoxResult::Cancel);
    dialogs.queueBoxAnswer(BoxResult::Ok);
    QStringList seen;
    BoxResult nested = BoxResult::Ok;
    dialogs.OnShown = [&](const ScriptedDialogs::Call& call) {
        seen << call.text + "/" + QString::number(dialogs.calls().size());
        if (call.text == "outer")
            nested = dialogs.messageBox("inner", "c", BoxKind::Information, BoxButtons::OkCancel);
    };
    const BoxResult outer = dialogs.messageBox("outer", "c", BoxKind::Information, BoxButtons::OkCancel);

    EXPECT_EQ(seen, (QStringList{"outer/1", "inner/2"}));
    EXPECT_EQ(nested, BoxResult::Cancel);
    EXPECT_EQ(outer, BoxResult::Ok);
}
