#!/usr/bin/env bash
# Plants each fault of scripts/mutants/*.txt in a scratch copy of the tree, rebuilds
# what it changes, runs the tests it names and says whether they caught it.
#   scripts/mutants.sh                                  every fault
#   scripts/mutants.sh --list scripts/mutants/harden.txt   one list's faults
#   scripts/mutants.sh --source src/astro/zonefinder.cpp   the faults in one file
#   scripts/mutants.sh --fault harden.txt:3 --fault 12     single faults
#   scripts/mutants.sh --check                          only check that each applies
# The scratch copy and its build folder are kept in $MUTANTS_SCRATCH (default
# /tmp/solvanta-mutants-$UID) and reused by the next run.
set -euo pipefail
exec python3 "$(dirname "$0")/mutants.py" "$@"
