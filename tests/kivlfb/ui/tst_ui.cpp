#include "ui/languagemodel.h"
#include "ui/virtualkeyinput.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

class TestUi : public QObject
{
    Q_OBJECT

private slots:
    // The keyboards create nothing themselves, but the screens import the
    // registered type; a QML emission of the key signal must reach C++.
    void keyboardTypeIsUsableFromQml()
    {
        qmlRegisterType<VirtualKeyInput>("VirtualKB", 1, 0, "Vki");
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.0\nimport VirtualKB 1.0\nVki { Component.onCompleted: aKeyWasPressed() }",
                          QUrl());
        QSignalSpy created(&component, &QQmlComponent::statusChanged);
        QScopedPointer<QObject> object(component.beginCreate(engine.rootContext()));
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *vki = qobject_cast<VirtualKeyInput *>(object.data());
        QVERIFY(vki);
        QSignalSpy pressed(vki, &VirtualKeyInput::aKeyWasPressed);
        component.completeCreate();
        QCOMPARE(pressed.count(), 1);
    }

    void languageModelStartsEmpty()
    {
        LanguageModel model(nullptr);
        QVERIFY(!model.translator());
        QVERIFY(model.getLanguageList().isEmpty());
        QCOMPARE(model.property("languageList").value<QList<QObject *>>().size(), 0);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
