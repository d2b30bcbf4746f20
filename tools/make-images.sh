#!/usr/bin/env bash
# Rebuilds Velmora's stage pictures (Images/*.bmp) and application icons
# (data/icons/velmora-*.png) from the drawing code in tools/make_images.
#
# The helper is built out of tree; set VELMORA_IMAGES_BUILD_DIR to choose
# where (default: a folder under ${TMPDIR:-/tmp}).
set -euo pipefail

script_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo_root="$(cd "${script_dir}/.." && pwd)"
build_dir="${VELMORA_IMAGES_BUILD_DIR:-${TMPDIR:-/tmp}/velmora-make-images-build}"

cmake -S "${script_dir}/make_images" -B "${build_dir}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "${build_dir}" --parallel >/dev/null

"${build_dir}/velmora_make_images" "${repo_root}"

echo "Wrote ${repo_root}/Images/0.bmp .. 10.bmp and ${repo_root}/data/icons/velmora-*.png"
