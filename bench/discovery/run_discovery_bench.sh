#!/usr/bin/env bash
# Discovery at scale: for each fleet size, with and without 10 % loss (the simulator's own loss
# switch), the time from the first search until every device is stored with its full report,
# the devices still missing after the 30-second search, how many reports were stored in all
# (repeats included), and the peak resident memory of the process that runs the engine. Each
# scenario gets a namespace pair of its own (tests/net/netns_pair.sh), so nothing reaches this
# machine's network.
#
#   run_discovery_bench.sh --bench PATH --devsim PATH [--smoke] [--scenario DEVICES:LOSS]...
#
# --smoke runs 250 devices without loss and fails when any device is missing (the ctest entry).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
pair="$here/../../tests/net/netns_pair.sh"
bench="" devsim="" smoke=0
scenarios=()
while [ $# -gt 0 ]; do
    case $1 in
        --bench) bench=$2; shift 2 ;;
        --devsim) devsim=$2; shift 2 ;;
        --smoke) smoke=1; shift ;;
        --scenario) scenarios+=("$2"); shift 2 ;;
        *) echo "run_discovery_bench.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
[ -x "$bench" ] && [ -x "$devsim" ] || { echo "run_discovery_bench.sh: --bench and --devsim" >&2; exit 2; }
if [ ${#scenarios[@]} -eq 0 ]; then
    if [ $smoke = 1 ]; then
        scenarios=(250:0)
    else
        scenarios=(250:0 1000:0 5000:0 250:0.1 1000:0.1 5000:0.1)
    fi
fi

field() {  # field NAME LINE
    sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"
}

rows=()
missing_total=0
for scenario in "${scenarios[@]}"; do
    devices=${scenario%%:*} loss=${scenario#*:}
    status=0
    line=$(bash "$pair" run --devices "$devices" -- \
        bash "$here/discovery_scenario.sh" "$bench" "$devsim" "$devices" "$loss") || status=$?
    [ $status = 77 ] && exit 77
    if [ $status != 0 ] || [ -z "$line" ]; then
        echo "run_discovery_bench.sh: scenario $scenario failed ($status)" >&2
        exit 1
    fi
    all=$(field all_ms "$line")
    [ "$all" = -1 ] && all="not all"
    rss=$(field peak_rss_kib "$line")
    drops="$(field drops_9785 "$line")/$(field drops_9787 "$line")/$(field drops_9788 "$line")"
    rows+=("$(printf '%7s  %4s%%  %9s  %9s  %7s  %7s  %8s  %9.1f  %14s  %7s' "$devices" \
        "$(awk "BEGIN{print $loss*100}")" "$(field half_ms "$line")" "$all" \
        "$(field missing "$line")" "$(field saves "$line")" "$(field searches "$line")" \
        "$(awk "BEGIN{print $rss/1024}")" "$drops" "$(field device_drops "$line")")")
    missing_total=$((missing_total + $(field missing "$line")))
done

printf '%7s  %5s  %9s  %9s  %7s  %7s  %8s  %9s  %14s  %7s\n' Devices Loss "Half (ms)" \
    "All (ms)" Missing Reports Searches "RSS (MiB)" "Drops 85/87/88" "Drops D"
printf '%s\n' "${rows[@]}"
echo "Half/All: from the first search until half of / all of the devices were stored."
echo "Missing: not stored when the search ended (30 s at most). Reports: stored in all."
echo "Drops 85/87/88: datagrams the engine's full receive buffers dropped on ports 9785, 9787"
echo "and 9788; Drops D: the same on the simulator's side."

if [ $smoke = 1 ] && [ $missing_total != 0 ]; then
    echo "run_discovery_bench.sh: $missing_total devices were not stored" >&2
    exit 1
fi
