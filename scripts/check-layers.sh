#!/usr/bin/env bash
# Checks every #include of the tree against the layer order (docs/design.md, Layers): a file includes its own
# folder and the layers before it, never one after it. Engines (foundation/, geodesy/, receiver/ and
# the feature folders, outside their screens/) never include platform/ui, platform/gdi or a screens/
# folder. tests/ and bench/ may include anything. Prints each include that points the wrong way;
# fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside platform the X11 backend sits above the window layer, whose desktop it feeds with input,
# while the display interface and the headless backend sit below it.
layers=(
  platform/base platform/text platform/threads platform/time platform/files platform/messages
  platform/gdi platform/display platform/ui platform/serial platform/device platform/testing
  platform/display/x11
  resources foundation geodesy receiver
  foundation/screens geodesy/screens receiver/screens
  calibration survey stakeout powerline cogo export
  shell app
)
top=$((${#layers[@]} - 1))

# Sets `layer` to the layer of a file: the longest listed folder holding it (-1 for none); tools/
# shares the top with app/. Folders already seen are remembered.
declare -A known
layer_of() {
  local folder=${1%/*} length=0 i
  if [ -n "${known[$folder]:-}" ]; then layer=${known[$folder]}; return; fi
  layer=-1
  for i in "${!layers[@]}"; do
    case $1 in "${layers[$i]}"/*)
      if [ "${#layers[$i]}" -gt "$length" ]; then layer=$i length=${#layers[$i]}; fi ;;
    esac
  done
  case $1 in tools/*) layer=$top ;; esac
  known[$folder]=$layer
}

# Every feature folder keeps its screens in screens/ and its engines beside it.
is_engine() {
  case $1 in
    */screens/*) return 1 ;;
    foundation/* | geodesy/* | receiver/*) return 0 ;;
    calibration/* | survey/* | stakeout/* | powerline/* | cogo/* | export/*) return 0 ;;
  esac
  return 1
}

failures=0
while IFS= read -r -d '' file; do
  layer_of "$file"
  own=$layer
  if [ "$own" -lt 0 ]; then
    echo "$file lies in no layer: add its folder to scripts/check-layers.sh"
    failures=$((failures + 1))
    continue
  fi
  while IFS= read -r target; do
    case $target in */*) ;; *) continue ;; esac
    layer_of "$target"
    if [ "$layer" -gt "$own" ]; then
      echo "$file includes $target, a layer after its own"
      failures=$((failures + 1))
    elif is_engine "$file"; then
      case $target in platform/ui/* | platform/gdi/* | */screens/*)
        echo "$file is an engine and includes $target"
        failures=$((failures + 1))
        ;;
      esac
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files -z '*.h' '*.cpp' | grep -zv '^\(tests\|bench\)/')

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) break the layer order."
  exit 1
fi
echo "Every include follows the layer order."
