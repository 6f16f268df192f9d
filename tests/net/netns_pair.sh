#!/usr/bin/env bash
# Two network namespaces joined by a veth pair: the system side and the device side of a test,
# a benchmark or the demo. Nothing of a run ever touches this machine's real network.
#
#   netns_pair.sh up NAME [--devices N]     make the pair NAME (N device addresses, default 253)
#   netns_pair.sh env NAME                  print its variables (shell assignments)
#   netns_pair.sh exec-system NAME CMD...   run CMD in the system namespace, variables set
#   netns_pair.sh exec-devices NAME CMD...  run CMD in the device namespace, variables set
#   netns_pair.sh down NAME                 end what still runs in the pair, remove the pair
#   netns_pair.sh cleanup                   remove pairs whose creating process is gone
#   netns_pair.sh run [--devices N] -- CMD...
#                                           make a pair with a unique name, run CMD in its system
#                                           namespace, remove the pair whatever happens; exits
#                                           with CMD's status
#
# Addresses: up to 253 devices, system 192.168.77.1/24 and devices from 192.168.77.2; more, the
# /19 192.168.96.0 (system .96.1, devices from .96.2). The system side's interface is "sys0",
# the device side's "dev0" (MACs 02:42:72:00:00:01 and :02); every device address is assigned
# to dev0.
# Variables: BRELVO_NET_PAIR, BRELVO_NETNS_SYSTEM, BRELVO_NETNS_DEVICES, BRELVO_NET_SYSTEM_IP,
# BRELVO_NET_FIRST_DEVICE_IP, BRELVO_NET_PREFIX, BRELVO_NET_SYSTEM_IF, BRELVO_NET_DEVICE_IF,
# BRELVO_NET_SYSTEM_MAC, BRELVO_NET_DEVICE_COUNT, BRELVO_NETNS_PAIR (this script).
# Exits 77 (ctest: skipped) when this machine cannot make namespaces.
set -euo pipefail

readonly PREFIX_NAME=brelvo-
readonly STATE_DIR=/run/brelvo-netns
readonly SCRIPT="$(readlink -f "$0")"
# Fixed, locally administered, so tests can type the frames they expect.
readonly SYSTEM_MAC=02:42:72:00:00:01
readonly DEVICE_MAC=02:42:72:00:00:02

skip() {
    echo "SKIP: $*" >&2
    exit 77
}

die() {
    echo "netns_pair.sh: $*" >&2
    exit 2
}

can_make_namespaces() {
    [ "$(id -u)" = 0 ] && command -v ip >/dev/null && ip netns list >/dev/null 2>&1
}

# Prints the variables of pair $1 as shell assignments.
print_env() {
    local name=$1
    local state="$STATE_DIR/$name.env"
    [ -f "$state" ] || die "no pair named $name"
    cat "$state"
}

pair_up() {
    local name=$1 devices=$2
    can_make_namespaces || skip "network namespaces cannot be made here (needs root and iproute2)"
    [[ "$name" =~ ^[A-Za-z0-9_.-]+$ ]] || die "bad pair name $name"
    [ "$devices" -ge 1 ] || die "at least one device"
    local system_ns="${PREFIX_NAME}${name}-sys" devices_ns="${PREFIX_NAME}${name}-dev"
    local prefix system_ip first
    if [ "$devices" -le 253 ]; then
        prefix=24 system_ip=192.168.77.1 first=$((192 << 24 | 168 << 16 | 77 << 8 | 2))
    elif [ "$devices" -le 8189 ]; then
        prefix=19 system_ip=192.168.96.1 first=$((192 << 24 | 168 << 16 | 96 << 8 | 2))
    else
        die "at most 8189 devices"
    fi
    mkdir -p "$STATE_DIR"
    echo "${OWNER_PID:-$$}" >"$STATE_DIR/$name.owner"

    ip netns add "$system_ns"
    ip netns add "$devices_ns"
    ip -n "$system_ns" link set lo up
    ip -n "$devices_ns" link set lo up
    ip link add sys0 netns "$system_ns" address "$SYSTEM_MAC" type veth \
        peer name dev0 netns "$devices_ns" address "$DEVICE_MAC"
    ip -n "$system_ns" addr add "$system_ip/$prefix" dev sys0
    local k address batch
    batch=$(mktemp)
    for ((k = 0; k < devices; k++)); do
        address=$((first + k))
        printf 'addr add %d.%d.%d.%d/%d dev dev0\n' $((address >> 24 & 255)) \
            $((address >> 16 & 255)) $((address >> 8 & 255)) $((address & 255)) "$prefix"
    done >"$batch"
    ip -n "$devices_ns" -batch "$batch"
    rm -f "$batch"
    ip -n "$system_ns" link set sys0 up
    ip -n "$devices_ns" link set dev0 up

    cat >"$STATE_DIR/$name.env" <<VARS
BRELVO_NET_PAIR=$name
BRELVO_NETNS_SYSTEM=$system_ns
BRELVO_NETNS_DEVICES=$devices_ns
BRELVO_NET_SYSTEM_IP=$system_ip
BRELVO_NET_FIRST_DEVICE_IP=$((first >> 24 & 255)).$((first >> 16 & 255)).$((first >> 8 & 255)).$((first & 255))
BRELVO_NET_PREFIX=$prefix
BRELVO_NET_SYSTEM_IF=sys0
BRELVO_NET_DEVICE_IF=dev0
BRELVO_NET_SYSTEM_MAC=$SYSTEM_MAC
BRELVO_NET_DEVICE_COUNT=$devices
BRELVO_NETNS_PAIR=$SCRIPT
VARS
}

# A process keeps a deleted namespace alive, so whatever the run left running in the pair (a
# simulator after a failed test) is ended first: politely, then for good.
end_processes_in() {
    local ns=$1 pids round
    for round in TERM TERM TERM KILL; do
        pids=$(ip netns pids "$ns" 2>/dev/null || true)
        [ -n "$pids" ] || return 0
        # shellcheck disable=SC2086
        kill -s "$round" $pids 2>/dev/null || true
        sleep 0.2
    done
}

pair_down() {
    local name=$1 ns
    for ns in "${PREFIX_NAME}${name}-sys" "${PREFIX_NAME}${name}-dev"; do
        end_processes_in "$ns"
        ip netns del "$ns" 2>/dev/null || true
    done
    rm -f "$STATE_DIR/$name.env" "$STATE_DIR/$name.owner"
}

# Pairs left behind by runs that were killed before their own clean-up.
cleanup_stale() {
    local owner_file name owner
    for owner_file in "$STATE_DIR"/*.owner; do
        [ -e "$owner_file" ] || continue
        name=$(basename "$owner_file" .owner)
        owner=$(cat "$owner_file" 2>/dev/null || echo 0)
        if ! kill -0 "$owner" 2>/dev/null; then
            pair_down "$name"
        fi
    done
    # Namespaces of this harness that have no state file at all.
    local ns
    for ns in $(ip netns list 2>/dev/null | awk '{print $1}' | grep "^${PREFIX_NAME}" || true); do
        name=${ns#"$PREFIX_NAME"}
        name=${name%-sys}
        name=${name%-dev}
        [ -e "$STATE_DIR/$name.owner" ] || ip netns del "$ns" 2>/dev/null || true
    done
}

exec_in() {
    local side=$1 name=$2
    shift 2
    [ $# -gt 0 ] || die "no command"
    local vars namespace
    vars=$(print_env "$name")
    namespace=$(sed -n "s/^BRELVO_NETNS_${side}=//p" <<<"$vars")
    # shellcheck disable=SC2046
    exec env $(tr '\n' ' ' <<<"$vars") ip netns exec "$namespace" "$@"
}

run_command() {
    local devices=253
    while [ $# -gt 0 ]; do
        case $1 in
            --devices) devices=$2; shift 2 ;;
            --) shift; break ;;
            *) die "unknown option $1" ;;
        esac
    done
    [ $# -gt 0 ] || die "no command"
    can_make_namespaces || skip "network namespaces cannot be made here (needs root and iproute2)"
    cleanup_stale
    RUN_PAIR="t$$-$RANDOM"
    trap 'pair_down "$RUN_PAIR"' EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    OWNER_PID=$$ pair_up "$RUN_PAIR" "$devices"
    local status=0
    (exec_in SYSTEM "$RUN_PAIR" "$@") || status=$?
    return $status
}

[ $# -ge 1 ] || die "usage: see the comment at the top of this file"
command=$1
shift
case $command in
    up)
        [ $# -ge 1 ] || die "up NAME [--devices N]"
        name=$1 devices=253
        shift
        [ "${1:-}" = --devices ] && devices=$2
        cleanup_stale
        pair_up "$name" "$devices"
        print_env "$name"
        ;;
    env) print_env "$1" ;;
    exec-system) exec_in SYSTEM "$@" ;;
    exec-devices) exec_in DEVICES "$@" ;;
    down) pair_down "$1" ;;
    cleanup) cleanup_stale ;;
    run) run_command "$@" ;;
    *) die "unknown command $command" ;;
esac
