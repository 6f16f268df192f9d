#!/usr/bin/env bash
# One discovery scenario inside a namespace pair (run by netns_pair.sh run, on its system side):
# the simulated fleet in the device namespace, the benchmark here. Prints the benchmark's line.
#
#   discovery_scenario.sh BENCH DEVSIM DEVICES LOSS
set -euo pipefail
bench=$1 devsim=$2 devices=$3 loss=$4
: "${BRELVO_NETNS_DEVICES:?run inside a pair made by netns_pair.sh}"

folder=$(mktemp -d)
ip netns exec "$BRELVO_NETNS_DEVICES" "$devsim" --count "$devices" \
    --first-ip "$BRELVO_NET_FIRST_DEVICE_IP" --prefix "$BRELVO_NET_PREFIX" \
    --loss "$loss" --ready-file "$folder/ready" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$folder"' EXIT

for _ in $(seq 300); do
    [ -e "$folder/ready" ] && break
    kill -0 "$sim" 2>/dev/null || { echo "discovery_scenario.sh: the simulator ended" >&2; exit 1; }
    sleep 0.1
done
[ -e "$folder/ready" ] || { echo "discovery_scenario.sh: the simulator did not start" >&2; exit 1; }

# UDP datagrams that a full receive buffer dropped on the device side (the simulator), read
# from /proc/net/snmp on stdin.
rcvbuf_errors() {
    awk '/^Udp:/ { if (!seen) { for (k = 1; k <= NF; k++) if ($k == "RcvbufErrors") column = k; seen = 1 }
                   else print $column }'
}
line=$("$bench" --devices "$devices" --loss "$loss")
device_drops=$(ip netns exec "$BRELVO_NETNS_DEVICES" cat /proc/net/snmp | rcvbuf_errors)
echo "$line device_drops=$device_drops"
