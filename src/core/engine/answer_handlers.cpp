// Everything devices send to port 9788: reports, survey packets and the answers to requests.
#include <algorithm>
#include <cstring>

#include "core/engine/handler_context.h"
#include "core/engine/request_catalogue.h"
#include "core/protocol/device_text.h"

namespace brelvo::core {

void HandleDeviceReport(HandlerContext& context, const ReceivedDatagram& datagram) {
    const auto header = ParseHeader(datagram.view());
    if (!header)
        return;
    const std::string sender = datagram.sender_text();
    const std::string mac = header->mac_text();
    const auto payload = PayloadOf(datagram.view());
    const auto block = payload.first(std::min(payload.size(), kInfoBlockSize));
    if (!context.table.AcceptReport(sender, mac, header->device_type, block))
        return;

    ap_info_stu record = ZeroRecord();
    SetRecordMac(record, mac);
    record.ap_type = header->device_type;
    std::copy(block.begin(), block.end(), InfoBlock(record).begin());
    ConvertIncomingField(record.ap_name, record.ap_name_len);
    ConvertIncomingField(record.ssid, record.ssid_len);
    ConvertIncomingField(record.bridge_ssid, record.bridge_ssid_len);
    context.store.SaveDevice(record);
}

void HandleSurveyPacket(HandlerContext& context, const ReceivedDatagram& datagram) {
    SurveyPacket packet = ReadSurveyPacket(PayloadOf(datagram.view()));
    for (auto& entry : packet.entries)
        ConvertIncomingField(entry.ssid, entry.ssid_len);
    if (packet.completes_survey())
        context.survey_complete.store(true);
    context.store.SaveSurveyedAps(packet);
}

namespace {

void ApplyAnswer(HandlerContext& context, const ReceivedDatagram& datagram,
                 const ParsedHeader& header, const std::string& sender, const std::string& mac) {
    const RequestKind* kind = FindRequest(header.message);
    if (kind == nullptr)
        return;
    const auto payload = PayloadOf(datagram.view());
    // A missing result byte reads as zero, as in the zero-filled receive buffer.
    const uint8_t result = payload.empty() ? 0 : payload[0];
    switch (kind->effect) {
        case AnswerEffect::kReport:
            HandleDeviceReport(context, datagram);
            break;
        case AnswerEffect::kMoveAddress:
            context.table.ApplyAddressChange(sender, mac);
            break;
        case AnswerEffect::kSurveyPacket:
            HandleSurveyPacket(context, datagram);
            break;
        case AnswerEffect::kUpgradeStarted:
            context.store.MarkUpgrading(mac);
            break;
        case AnswerEffect::kNone:
            break;
        default:
            if (const auto status = StatusAfterAnswer(kind->effect, result))
                context.store.SetDeviceStatus(mac, *status);
            break;
    }
}

}  // namespace

void HandleAnswer(HandlerContext& context, const ReceivedDatagram& datagram) {
    const auto header = ParseHeader(datagram.view());
    if (!header)
        return;
    const std::string sender = datagram.sender_text();
    const std::string mac = header->mac_text();
    ApplyAnswer(context, datagram, *header, sender, mac);
    // Only now is the request answered: whoever waits on it finds its effect already stored.
    if (header->message != kMsgSiteSurvey && header->message != kMsgLeave)
        context.pending.Acknowledge(sender, mac, header->message);
}

}  // namespace brelvo::core
