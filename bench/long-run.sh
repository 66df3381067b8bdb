#!/usr/bin/env bash
# The random play run at a million events (CI runs 100,000 of them).
#   bench/long-run.sh [events]                  (after ./novemo.sh test)
set -euo pipefail
cd "$(dirname "$0")/.."
NOVEMO_RANDOM_EVENTS=${1:-1000000} exec build/tests/novemo_tests --gtest_filter='RandomPlay.*'
