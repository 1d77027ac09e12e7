#include "platform/tmymaskedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

class TMyMaskEditTest : public QObject {
    Q_OBJECT

private:
    QWidget window;
    TMyMaskEdit* time = nullptr;
    QLineEdit* other = nullptr;

private slots:
    void initTestCase() {
        auto* layout = new QVBoxLayout(&window);
        time = new TMyMaskEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(time);
        layout->addWidget(other);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void init() {
        time->SetText("");
        time->setFocus();
        time->setCursorPosition(0);
    }

    void textHoldsFivePositionsWithBlanks_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << ""
                               << "  :  "
                               << "__:__";
        QTest::newRow("full") << "14:05"
                              << "14:05"
                              << "14:05";
        QTest::newRow("morning") << "09:05"
                                 << "09:05"
                                 << "09:05";
        QTest::newRow("leading blank") << " 9:05"
                                       << " 9:05"
                                       << "_9:05";
        QTest::newRow("not digits") << "ab:cd"
                                    << "  :  "
                                    << "__:__";
    }
    void textHoldsFivePositionsWithBlanks() {
        QFETCH(QString, set);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        time->SetText(set);
        QCOMPARE(time->Text(), text);
        QCOMPARE(time->displayText(), shown);
    }

    void typingFillsDigitsAndSkipsTheSeparator() {
        QTest::keyClicks(time, "0905");
        QCOMPARE(time->Text(), QString("09:05"));

        time->SetText("");
        time->setCursorPosition(0);
        QTest::keyClicks(time, "x1y2");
        QCOMPARE(time->Text(), QString("12:  "));

        // Skipping the optional first digit leaves it as a leading blank.
        time->SetText("");
        time->setCursorPosition(0);
        QTest::keyClick(time, Qt::Key_Right);
        QTest::keyClicks(time, "905");
        QCOMPARE(time->Text(), QString(" 9:05"));
    }

    void leavingWithAnIncompleteEntryIsAcceptedSilently() {
        QTest::keyClicks(time, "1");
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(time->Text(), QString("1 :  "));
    }
};

QTEST_MAIN(TMyMaskEditTest)
#include "tmymaskedit_test.moc"
