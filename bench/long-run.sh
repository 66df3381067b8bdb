#!/usr/bin/env bash
# A million events of random play, every rule checked after each, and 20,000
# garbled settings stores.
#   bench/long-run.sh [events] [stores]          (after ./novemo.sh test)
set -euo pipefail
cd "$(dirname "$0")/.."
NOVEMO_RANDOM_EVENTS=${1:-1000000} NOVEMO_FUZZ_ROUNDS=${2:-20000} exec build/bench/novemo_long_runs
