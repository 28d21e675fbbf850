#!/usr/bin/env bash
# Builds the 64-bit and the 32-bit program and writes what is handed to users into
# build/dist:
#   QuillBox-<version>-x64-setup.exe   installer of the 64-bit program (a 64-bit installer)
#   QuillBox-<version>-x86-setup.exe   installer of the 32-bit program (for 32-bit Windows)
#   QuillBox-<version>-x64.zip         the 64-bit program to run from any folder
#   QuillBox-<version>-x86.zip         the 32-bit program to run from any folder
#   SHA256SUMS                         their SHA-256 sums
# The version is the project version of CMakeLists.txt. QB_PACKAGE_ARCHS="x64" makes one
# architecture only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

dist="$root/build/dist"
work="$root/build/package"
archs=(${QB_PACKAGE_ARCHS:-x64 x86})

# Extra programs shipped beside QuillBox.exe once the tree builds them.
optional_targets=(quillbox-cli)

build_kind() { [ "$1" = x64 ] && echo win64 || echo win32; }

# Builds the program, its data files and whichever optional program the tree has.
build_arch() {
  local kind=$1 build="$root/build/${QB_BUILD_TAG:+$QB_BUILD_TAG-}$1" targets=(QuillBox qb_data_files)
  scripts/build.sh "$kind" "${targets[@]}" >/dev/null
  local known
  known=$(ninja -C "$build" -t targets all 2>/dev/null | sed 's/:.*//')
  for target in qb_help "${optional_targets[@]}"; do
    if grep -qx "$target" <<<"$known"; then scripts/build.sh "$kind" "$target" >/dev/null; fi
  done
}

project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build/${QB_BUILD_TAG:+$QB_BUILD_TAG-}$1/CMakeCache.txt"
}
revision() {
  sed -n 's/^QB_REVISION:STRING=//p' "$root/build/${QB_BUILD_TAG:+$QB_BUILD_TAG-}$1/CMakeCache.txt"
}

# The files a user gets, as they lie beside the program: the programs, every data file of
# resources/data and the help file.
stage_files() {
  local bin=$1 stage=$2
  rm -rf "$stage"
  mkdir -p "$stage"
  local files=(QuillBox.exe newhelp.chm)
  for program in "${optional_targets[@]}"; do files+=("$program.exe"); done
  while IFS= read -r data; do files+=("$data"); done < <(cd resources/data && find . -type f | sed 's|^\./||' | sort)
  for file in "${files[@]}"; do
    [ -f "$bin/$file" ] || continue
    mkdir -p "$stage/$(dirname "$file")"
    cp "$bin/$file" "$stage/$file"
  done
  [ -f "$stage/QuillBox.exe" ] || { echo "package: no QuillBox.exe in $bin" >&2; return 1; }
}

# The installer's lines for exactly the staged files: installed one by one, removed one by
# one, then their folders when they are left empty; and each program among them, for the
# test of files in use.
write_file_lines() {
  local stage=$1 out=$2
  local files folders
  files=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
  folders=$(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r)
  {
    echo '!macro InstallFiles'
    echo '  SetOutPath "$INSTDIR"'
    while IFS= read -r folder; do
      [ -n "$folder" ] && echo "  CreateDirectory \"\$INSTDIR\\${folder//\//\\}\""
    done <<<"$(sort <<<"$folders")"
    while IFS= read -r file; do
      echo "  File \"/oname=${file//\//\\}\" \"$stage/$file\""
    done <<<"$files"
    echo '!macroend'
    echo '!macro UninstallFiles'
    while IFS= read -r file; do
      echo "  Delete \"\$INSTDIR\\${file//\//\\}\""
    done <<<"$files"
    echo '!macroend'
    echo '!macro RemoveFolders'
    while IFS= read -r folder; do
      [ -n "$folder" ] && echo "  RMDir \"\$INSTDIR\\${folder//\//\\}\""
    done <<<"$folders"
    echo '!macroend'
    echo '!macro ForEachProgram what'
    while IFS= read -r file; do
      if [[ "$file" == *.exe ]]; then echo "  !insertmacro \${what} \"${file//\//\\}\""; fi
    done <<<"$files"
    echo '!macroend'
  } >"$out"
}

rm -rf "$dist"
mkdir -p "$dist"
for arch in "${archs[@]}"; do
  kind=$(build_kind "$arch")
  echo "package: building the $arch program"
  build_arch "$kind"
  version=$(project_version "$kind")
  name="QuillBox-$version-$arch"
  stage="$work/$arch/$name"
  stage_files "$root/build/${QB_BUILD_TAG:+$QB_BUILD_TAG-}$kind/bin" "$stage"
  write_file_lines "$stage" "$work/$arch/files.nsh"
  size_kb=$(du -sk --apparent-size "$stage" | cut -f1)

  echo "package: $name-setup.exe"
  makensis -V2 -INPUTCHARSET UTF8 \
    "-DARCH=$arch" "-DVERSION=$version" "-DFILE_VERSION=$version.$(revision "$kind")" \
    "-DSTAGE=$stage" "-DFILES=$work/$arch/files.nsh" "-DSIZE_KB=$size_kb" \
    "-DICON=$root/resources/quillbox.ico" "-DOUTFILE=$dist/$name-setup.exe" \
    packaging/quillbox.nsi

  echo "package: $name.zip"
  rm -f "$dist/$name.zip"
  (cd "$work/$arch" && zip -q -X -r "$dist/$name.zip" "$name")
done

(cd "$dist" && rm -f SHA256SUMS && sha256sum -- *-setup.exe *.zip >SHA256SUMS)
echo "package: written to $dist"
ls -l "$dist"
