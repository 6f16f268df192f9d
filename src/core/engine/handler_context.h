// What the datagram handlers work with. Each handler runs on its worker thread, one datagram
// at a time; the table and the pending list lock themselves, the store locks itself.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "core/engine/online_table.h"
#include "core/engine/pending_requests.h"
#include "core/engine/received_datagram.h"
#include "core/store/device_store.h"

namespace brelvo::core {

// Sends one message to a device: address, number, payload, MAC, retransmit.
using SendToDevice = std::function<bool(std::string_view, uint16_t, std::span<const uint8_t>,
                                        std::string_view, bool)>;

struct HandlerContext {
    OnlineTable& table;
    PendingRequests& pending;
    DeviceStore& store;
    SendToDevice send;
    std::atomic<bool>& survey_complete;
};

// Message 1 on port 9785.
void HandleSearchAnswer(HandlerContext& context, const ReceivedDatagram& datagram);
// Message 15 on port 9787.
void HandleHeartbeat(HandlerContext& context, const ReceivedDatagram& datagram);
// Every message on port 9788.
void HandleAnswer(HandlerContext& context, const ReceivedDatagram& datagram);

// Pieces of the answer handler, one per kind of answer.
void HandleDeviceReport(HandlerContext& context, const ReceivedDatagram& datagram);
void HandleSurveyPacket(HandlerContext& context, const ReceivedDatagram& datagram);

// A summary as the handlers use it: read from the payload, name and SSID converted.
DeviceSummary ReadConvertedSummary(std::span<const uint8_t> payload);

}  // namespace brelvo::core
