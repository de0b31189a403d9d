#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kiravelo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every tracked source file without an SPDX licence line the project's two
# lines, in the comment syntax of its language. Files that already carry one (some
# are CC0-1.0) are left alone, so running it again changes nothing. Files with no
# comment syntax (catalogues, pictures, the guide's text) are covered by .reuse/dep5.
set -euo pipefail
cd "$(git rev-parse --show-toplevel)"

# Split so that REUSE does not read these lines as this file's own tags.
tag=SPDX
copyright="$tag-FileCopyrightText: 2026 Kiravelo contributors"
licence="$tag-License-Identifier: GPL-3.0-or-later"

# Prints the comment opener and closer for a file, or nothing when it has no syntax here.
syntax() {
  case "$(basename "$1")" in
    *.cpp | *.h | *.hpp | *.cc) echo '// |' ;;
    CMakeLists.txt | *.cmake | *.sh | *.py | Makefile | *.mk | *.supp | .clang-format | \
      .gitignore | *.desktop | *.yml | *.yaml | *.toml) echo '# |' ;;
    *.xml | *.md | *.html) echo '<!-- | -->' ;;
    *) if head -c 2 "$1" | grep -q '^#!'; then echo '# |'; fi ;;
  esac
}

changed=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] && [ ! -L "$file" ] || continue
  head -n 10 "$file" | grep -q "$tag-License-Identifier:" && continue
  comment=$(syntax "$file")
  [ -n "$comment" ] || continue
  open=${comment%%|*}
  close=${comment#*|}
  header="$open$copyright$close"$'\n'"$open$licence$close"
  # A shebang or an XML declaration must stay on the first line.
  first=$(head -n 1 "$file")
  {
    if [[ $first == '#!'* || $first == '<?xml'* ]]; then
      printf '%s\n%s\n' "$first" "$header"
      tail -n +2 "$file"
    else
      printf '%s\n' "$header"
      cat "$file"
    fi
  } > "$file.spdx-tmp"
  # Keep the file's mode (scripts stay executable).
  cat "$file.spdx-tmp" > "$file"
  rm -f "$file.spdx-tmp"
  echo "spdx-headers: $file"
  changed=$((changed + 1))
done < <(git ls-files -z)
echo "spdx-headers: $changed file(s) given a header"
