#include "alarms/kiverrorcontrollert.h"

#include <QSignalSpy>
#include <QtTest>

// The error front hands every report on to its worker unchanged.
class TestAlarms : public QObject
{
    Q_OBJECT

private slots:
    void reportsGoOnWithTheirCodesInOrder()
    {
        KivErrorControllerT errors(nullptr, nullptr);
        QSignalSpy report(&errors, &KivErrorControllerT::callErrorCodesDataProcess);
        QSignalSpy clear(&errors, &KivErrorControllerT::callErrorCodesClearDataProcess);
        QSignalSpy definitions(&errors, &KivErrorControllerT::callCreateDefinitionsList);
        QSignalSpy deleteLogs(&errors, &KivErrorControllerT::callDeleteAllErrorLogs);
        QSignalSpy clearList(&errors, &KivErrorControllerT::callClearErrorLogList);

        errors.errorCodesDataProcess(4, 3, 1, 0);
        errors.errorCodesClearDataProcess(2, 6, 0, 9);
        errors.createDefinitionsList();
        errors.deleteAllErrorLogs();
        errors.clearErrorLogList();

        QCOMPARE(report.count(), 1);
        QCOMPARE(report.at(0), (QList<QVariant>{4, 3, 1, 0}));
        QCOMPARE(clear.count(), 1);
        QCOMPARE(clear.at(0), (QList<QVariant>{2, 6, 0, 9}));
        QCOMPARE(definitions.count(), 1);
        QCOMPARE(deleteLogs.count(), 1);
        QCOMPARE(clearList.count(), 1);
    }

    void siblingLinkFlagIsAnnouncedOnChange()
    {
        KivErrorControllerT errors(nullptr, nullptr);
        QSignalSpy changed(&errors, &KivErrorControllerT::sibLinkBrokenChanged);
        QVERIFY(!errors.get_sibLinkBroken());
        errors.set_sibLinkBroken(true);
        errors.set_sibLinkBroken(true);
        errors.set_sibLinkBroken(false);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toBool(), true);
        QCOMPARE(changed.at(1).at(0).toBool(), false);
    }
};

QTEST_MAIN(TestAlarms)
#include "tst_alarms.moc"
