#!/usr/bin/env bash
# check_manifests.sh MANIFESTS VERSION SETUP ZIP: the winget manifests name the version and
# the installer's SHA-256, the Scoop manifest the version and the ZIP's; both as the build made
# them now.
set -uo pipefail
dir=$1
version=$2
setup=$3
zip=$4
fail() { echo "FAIL: $*"; exit 1; }
setup_hash=$(sha256sum "$setup" | cut -d' ' -f1 | tr a-f A-F)
zip_hash=$(sha256sum "$zip" | cut -d' ' -f1)
for file in Quillon.Quillon.yaml Quillon.Quillon.locale.en-US.yaml Quillon.Quillon.installer.yaml; do
  grep -qx "PackageVersion: $version" "$dir/winget/$file" || fail "$file does not name $version"
done
installer=$dir/winget/Quillon.Quillon.installer.yaml
grep -qx "  InstallerSha256: $setup_hash" "$installer" || fail "the installer's hash differs"
grep -q "InstallerUrl: .*/$version/$(basename "$setup")\$" "$installer" || fail "installer URL"
for line in 'InstallerType: nullsoft' 'Scope: user' '  Silent: /S'; do
  grep -qx "$line" "$installer" || fail "the installer manifest lacks '$line'"
done
python3 - "$dir/scoop/quillon.json" "$version" "$zip_hash" "$(basename "$zip")" <<'PY' || fail "Scoop"
import json, sys
path, version, digest, name = sys.argv[1:]
manifest = json.load(open(path))
assert manifest["version"] == version, manifest["version"]
build = manifest["architecture"]["64bit"]
assert build["hash"] == digest, build["hash"]
assert build["url"].endswith("/" + version + "/" + name), build["url"]
assert manifest["persist"] == ["Quillon.ini", "Quillon.tape"], manifest["persist"]
assert "Quillon.tape" in manifest["pre_install"]
assert manifest["shortcuts"] == [["quillon.exe", "Quillon"]]
PY
echo ok
