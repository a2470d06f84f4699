# Writes the winget and Scoop manifests of one release from its real artefacts:
#   cmake -DVERSION=1.02 -DSETUP=<setup.exe> -DZIP=<zip> -DURL=<download folder> -DOUT=<dir>
#         -P write_manifests.cmake
# winget takes the installer (nullsoft, per user, /S for silent); Scoop takes the ZIP, keeps
# Quillon.ini and Quillon.tape across updates (persist), and creates both empty before the
# first install so that Scoop does not make folders of them.
file(SHA256 ${SETUP} setup_hash)
file(SHA256 ${ZIP} zip_hash)
string(TOUPPER ${setup_hash} setup_hash)
get_filename_component(setup_name ${SETUP} NAME)
get_filename_component(zip_name ${ZIP} NAME)
get_filename_component(zip_folder ${ZIP} NAME_WLE)
set(id Quillon.Quillon)
set(schema 1.6.0)
set(publisher "The Quillon developers")
set(description "A decimal calculator: exact arithmetic on every digit, a printing tape and a Total of the clipboard")

file(WRITE ${OUT}/winget/${id}.yaml
"# Created by the Quillon build from ${setup_name}.
PackageIdentifier: ${id}
PackageVersion: ${VERSION}
DefaultLocale: en-US
ManifestType: version
ManifestVersion: ${schema}
")

file(WRITE ${OUT}/winget/${id}.locale.en-US.yaml
"# Created by the Quillon build from ${setup_name}.
PackageIdentifier: ${id}
PackageVersion: ${VERSION}
PackageLocale: en-US
Publisher: ${publisher}
PackageName: Quillon
License: Proprietary
ShortDescription: ${description}
Moniker: quillon
Tags:
- calculator
- decimal
ManifestType: defaultLocale
ManifestVersion: ${schema}
")

file(WRITE ${OUT}/winget/${id}.installer.yaml
"# Created by the Quillon build from ${setup_name}.
PackageIdentifier: ${id}
PackageVersion: ${VERSION}
InstallerType: nullsoft
Scope: user
InstallModes:
- interactive
- silent
- silentWithProgress
InstallerSwitches:
  Silent: /S
  SilentWithProgress: /S
UpgradeBehavior: install
Installers:
- Architecture: x64
  InstallerUrl: ${URL}/${VERSION}/${setup_name}
  InstallerSha256: ${setup_hash}
ManifestType: installer
ManifestVersion: ${schema}
")

set(pre_install [=[foreach ($f in 'Quillon.ini', 'Quillon.tape') { if (!(Test-Path \"$persist_dir\\$f\")) { New-Item \"$dir\\$f\" -ItemType File -Force | Out-Null } }]=])
file(WRITE ${OUT}/scoop/quillon.json
"{
    \"version\": \"${VERSION}\",
    \"description\": \"${description}\",
    \"homepage\": \"${URL}\",
    \"license\": \"Proprietary\",
    \"architecture\": {
        \"64bit\": {
            \"url\": \"${URL}/${VERSION}/${zip_name}\",
            \"hash\": \"${zip_hash}\",
            \"extract_dir\": \"${zip_folder}\"
        }
    },
    \"pre_install\": \"${pre_install}\",
    \"bin\": \"quillon.exe\",
    \"shortcuts\": [
        [\"quillon.exe\", \"Quillon\"]
    ],
    \"persist\": [
        \"Quillon.ini\",
        \"Quillon.tape\"
    ],
    \"checkver\": {
        \"url\": \"${URL}/\",
        \"regex\": \"Quillon-([\\\\d.]+)-win64\\\\.zip\"
    },
    \"autoupdate\": {
        \"architecture\": {
            \"64bit\": {
                \"url\": \"${URL}/$version/Quillon-$version-win64.zip\",
                \"extract_dir\": \"Quillon-$version-win64\"
            }
        }
    }
}
")
