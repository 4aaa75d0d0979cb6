#pragma once

// Link watch of one slave on the line.
struct ModbusSlaveStatus_struct
{
    int failedRequests = 0; // final time-outs since the last good reply
    int limit = 30;
    bool armed = true;      // a broken link is reported once per outage
    bool report = false;    // whether this slave drives brokenLink
};
