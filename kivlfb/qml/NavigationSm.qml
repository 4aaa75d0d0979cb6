import QtQml 2.15
import QtQml.StateMachine 1.0 as DSM

// Which full-screen page is shown: the holding view, the home screen or one
// of the three pages the home screen opens. Each state shows its page on
// entry and hides it on exit; five minutes without a touch lead back to the
// holding view unless a service screen holds the interface where it is.
// The pages are the main window's hosted screens, reached by identifier.
DSM.StateMachine {
    id: machine

    initialState: pressAndGoState
    running: true

    // Every keyboard and editor that might have been left open goes away
    // with the page that opened it.
    function hideEditors() {
        screenColorTestPanel.visible = false
        productsListPanel.visible = false
        alphakb.visible = false
        numericInputPanel.visible = false
        uiSkinPanel.visible = false
        wifiNetworkConfig.visible = false
    }
    function idleGuard() {
        return !kivDisplay.ignoreNoUserInteraction
    }

    DSM.State {
        id: pressAndGoState
        objectName: "pressAndGoState"
        onEntered: {
            pgMainGrid.visible = true
            machine.hideEditors()
        }
        onExited: pgMainGrid.visible = false

        DSM.SignalTransition {
            targetState: homeState
            signal: mainPanel.showHomeScreen
        }
    }

    DSM.State {
        id: homeStateGroup
        objectName: "homeStateGroup"

        DSM.State {
            id: homeState
            objectName: "homeState"
            onEntered: homeScreen.visible = true
            onExited: {
                homeScreen.visible = false
                machine.hideEditors()
                serialModelNumbersDialog.visible = false
            }

            DSM.SignalTransition { targetState: pressAndGoState; signal: homeScreen.showPressAndGo }
            DSM.SignalTransition { targetState: cookbookState; signal: homeScreen.showCookBook }
            DSM.SignalTransition { targetState: fileupdateState; signal: homeScreen.showUpdatesListView }
            DSM.SignalTransition { targetState: serviceState; signal: homeScreen.showSettingsPanel }
            DSM.SignalTransition {
                targetState: pressAndGoState
                signal: cabinetManager.noUserInteraction
                guard: machine.idleGuard()
            }
        }

        DSM.State {
            id: cookbookState
            objectName: "cookbookState"
            onEntered: productsListPanel.visible = true
            onExited: productsListPanel.visible = false

            DSM.SignalTransition { targetState: homeState; signal: productsListPanel.close }
            DSM.SignalTransition {
                targetState: pressAndGoState
                signal: cabinetManager.noUserInteraction
                guard: machine.idleGuard()
            }
        }

        DSM.State {
            id: fileupdateState
            objectName: "fileupdateState"
            onEntered: updatesListView.visible = true
            onExited: updatesListView.visible = false

            // No import may run while timers are active.
            DSM.SignalTransition {
                targetState: homeState
                signal: cabinetManager.activelyHoldingChanged
                guard: cabinetManager.activelyHolding === true
            }
            DSM.SignalTransition { targetState: homeState; signal: updatesListView.close }
            DSM.SignalTransition {
                targetState: pressAndGoState
                signal: cabinetManager.noUserInteraction
                guard: machine.idleGuard()
            }
        }

        DSM.State {
            id: serviceState
            objectName: "serviceState"
            onEntered: settingsPanel.visible = true
            onExited: settingsPanel.visible = false

            DSM.SignalTransition { targetState: homeState; signal: settingsPanel.close }
            DSM.SignalTransition {
                targetState: pressAndGoState
                signal: cabinetManager.noUserInteraction
                guard: machine.idleGuard()
                onTriggered: serialModelNumbersDialog.visible = false
            }
        }
    }
}
