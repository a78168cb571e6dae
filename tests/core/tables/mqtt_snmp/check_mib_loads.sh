#!/usr/bin/env bash
# The exported MIB modules (the golden files of the MIB export) load in two independent MIB
# parsers: smilint reports no error (warnings are allowed) and snmptranslate resolves the objects
# and notifications of the module. The base modules they import come from tests/core/golden/mib_base
# (our own stand-ins holding only the imported names). Skips (77) when a parser is not installed.
#   check_mib_loads.sh <source dir> <scratch dir>
set -uo pipefail
src=$1
scratch=$2
golden=$src/tests/core/golden
base=$golden/mib_base
for tool in smilint snmptranslate; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps.sh)"; exit 77; }
done
rm -rf "$scratch" && mkdir -p "$scratch/conf/cert_indexes" "$scratch/mibs"
# snmptranslate keeps its state and reads its configuration in the scratch folder only.
export SNMP_PERSISTENT_DIR=$scratch/conf SNMPCONFPATH=$scratch/conf MIBDIRS=$base
failed=0

check() {  # <module file> <expected name=oid ...>
    local file=$1
    shift
    local out
    out=$(SMIPATH=$base smilint "$file" 2>&1)
    local rc=$?
    local errors
    errors=$(printf '%s\n' "$out" | grep -v -e ': warning: ' -e ': info: ' -e '^$')
    if ((rc >= 128)) || [ -n "$errors" ]; then
        echo "FAIL smilint $file (exit $rc):"
        printf '%s\n' "$errors"
        failed=1
    fi
    cp "$file" "$scratch/mibs/GATEWAY.mib"
    for pair in "$@"; do
        local name=${pair%%=*} oid=${pair#*=}
        local got
        got=$(snmptranslate -M "$base:$scratch/mibs" -m "$scratch/mibs/GATEWAY.mib" -On "GATEWAY::$name" 2>&1)
        if [ "$got" != "$oid" ]; then
            echo "FAIL snmptranslate $file $name: expected $oid, got: $got"
            failed=1
        fi
    done
}

ent=.1.3.6.1.4.1.32473
check "$golden/snmp_mib_empty.mib" "identity=$ent.2" "countout=$ent.1.1.1.3" "bufferoutblk8=$ent.1.1.1.5.8" \
    "trapsval=$ent.1.1.2.1"
check "$golden/snmp_mib_full.mib" "in1=$ent.1.1.1.4.9.1" "bufferinval7=$ent.1.1.1.4.9.7" \
    "out256=$ent.1.1.1.5.9.256" "bufferoutval7=$ent.1.1.1.5.9.7" "trapval256=$ent.1.1.2.1.256"
((failed)) && exit 1
echo "Both modules load in smilint and snmptranslate."
