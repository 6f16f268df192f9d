// Search answers and heartbeats: the two ways a device shows it is there.
#include "core/engine/handler_context.h"
#include "core/protocol/device_text.h"

namespace brelvo::core {

namespace {

bool IsZero(const MacBytes& mac) {
    for (const uint8_t byte : mac) {
        if (byte != 0)
            return false;
    }
    return true;
}

}  // namespace

DeviceSummary ReadConvertedSummary(std::span<const uint8_t> payload) {
    DeviceSummary summary = ReadDeviceSummary(payload);
    if (!summary.short_form) {
        ConvertIncomingField(summary.ap_name, summary.ap_name_len);
        ConvertIncomingField(summary.ssid, summary.ssid_len);
    }
    return summary;
}

void HandleSearchAnswer(HandlerContext& context, const ReceivedDatagram& datagram) {
    const auto header = ParseHeader(datagram.view());
    if (!header || header->message != kMsgSearch || IsZero(header->mac))
        return;
    const std::string sender = datagram.sender_text();
    const std::string mac = header->mac_text();
    const DeviceSummary summary = ReadConvertedSummary(PayloadOf(datagram.view()));
    const bool report_needed =
        context.table.NoteSearchAnswer(sender, mac, header->device_type, summary);
    context.send(sender, kMsgSearch, {}, mac, false);
    if (report_needed)
        context.send(sender, kMsgReport, {}, mac, true);
}

void HandleHeartbeat(HandlerContext& context, const ReceivedDatagram& datagram) {
    const auto header = ParseHeader(datagram.view());
    if (!header || header->message != kMsgHeartbeat)
        return;
    const std::string sender = datagram.sender_text();
    const std::string mac = header->mac_text();
    const DeviceSummary summary = ReadDeviceSummary(PayloadOf(datagram.view()));
    if (!context.table.NoteHeartbeat(sender, mac, summary))
        return;
    context.send(sender, kMsgHeartbeat, {}, mac, false);
    context.store.UpdateUptime(mac, sender, summary.up_time);
}

}  // namespace brelvo::core
