#include "core/rules/batch_selection.h"

#include "core/protocol/value_texts.h"
#include "core/support/translation.h"

namespace brelvo::core {

namespace {

bool PassesFilter(const DeviceRowTexts& row, RowFilter filter) {
    switch (filter) {
        case RowFilter::kAll:
            return true;
        case RowFilter::kHasTransparentBridge:
            return row.transparent_bridge != kNotApplicable;
        case RowFilter::kHasTdma:
            return row.tdma != kNotApplicable;
    }
    return true;
}

Collected<Selection> NonEmpty(Selection selection, std::string_view message) {
    if (selection.empty())
        return RuleFailure{Translate(message), BoxKind::kWarning};
    return selection;
}

}  // namespace

std::vector<device_target> CollectTickedDevices(std::span<const DeviceRowTexts> rows,
                                                RowFilter filter) {
    std::vector<device_target> targets;
    for (const auto& row : rows) {
        if (row.ticked && PassesFilter(row, filter))
            targets.push_back(MakeTarget(row.ip, row.mac, ModelCode(row.type)));
    }
    return targets;
}

Collected<Selection> SelectDevices(std::span<const DeviceRowTexts> rows) {
    return NonEmpty(CollectTickedDevices(rows, RowFilter::kAll), "Please select the devices!");
}

Collected<Selection> SelectConfigurableDevices(std::span<const DeviceRowTexts> rows,
                                               RowFilter filter) {
    return NonEmpty(CollectTickedDevices(rows, filter), "Please select configurable devices!");
}

}  // namespace brelvo::core
