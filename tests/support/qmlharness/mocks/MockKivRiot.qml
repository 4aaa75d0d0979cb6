import QtQml 2.15

// KivRiot: the IoT provisioning and certificate state.
QtObject {
    signal iotProvisioningState(string value)
    signal iotCertificateState(string value)
}
