#include "platform/tupdown.h"

#include <QToolButton>
#include <QtTest>

class TUpDownTest : public QObject {
    Q_OBJECT

private slots:
    void arrowsStepWithinTheRangeAndReportOnlyRealSteps() {
        TUpDown spinner;
        spinner.SetMin(0);
        spinner.SetMax(255);
        spinner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&spinner));
        QList<bool> clicks;
        QList<int> positions;
        spinner.OnClick = [&](bool up) {
            clicks << up;
            positions << spinner.Position();
        };

        spinner.SetPosition(254);
        QTest::mouseClick(spinner.UpButton(), Qt::LeftButton);
        QTest::mouseClick(spinner.UpButton(), Qt::LeftButton);
        QTest::mouseClick(spinner.DownButton(), Qt::LeftButton);
        QCOMPARE(clicks, (QList<bool>{true, false}));
        QCOMPARE(positions, (QList<int>{255, 254}));

        clicks.clear();
        spinner.SetPosition(1);
        QTest::mouseClick(spinner.DownButton(), Qt::LeftButton);
        QTest::mouseClick(spinner.DownButton(), Qt::LeftButton);
        QCOMPARE(clicks, (QList<bool>{false}));
        QCOMPARE(spinner.Position(), 0);
    }

    void programPositionIsKeptInRangeAndRunsNothing() {
        TUpDown spinner;
        spinner.SetMax(255);
        int clicks = 0;
        spinner.OnClick = [&](bool) { ++clicks; };
        spinner.SetPosition(300);
        QCOMPARE(spinner.Position(), 255);
        spinner.SetPosition(-4);
        QCOMPARE(spinner.Position(), 0);
        spinner.SetPosition(10);
        QCOMPARE(spinner.Position(), 10);
        QCOMPARE(clicks, 0);
    }
};

QTEST_MAIN(TUpDownTest)
#include "tupdown_test.moc"
