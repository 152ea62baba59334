#!/usr/bin/env python3
"""Every include of the program points down the layer table (docs/architecture.md).

    check_layers.py SOURCE_DIR

A file may include files of its own layer and of the layers below it. The platform interface is
at the bottom; the platform implementations may include nothing of the program; the windows of
the desktop (gui/) and the programs (app/) sit on top. Prints each include that points up or
sideways out of the table and exits 1 when there is one.
"""
import os
import re
import sys

# Lowest first. A folder may include its own and every folder listed before it.
LAYERS = [
    ["platform"],
    ["base"],
    ["domain"],
    ["window_models"],
    ["features"],
    ["program"],
]
# Folders beside the table: what each may include.
OUTSIDE = {
    "platform/fake": {"platform", "platform/fake"},
    "platform/desktop": {"platform", "platform/desktop"},
    "gui": None,  # the desktop's views: any layer, and the desktop platform's plain-text helper
    "app": None,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    parts = path.split("/")
    if parts[0] == "platform" and len(parts) > 2:
        return "platform/" + parts[1]
    return parts[0]


def rank(folder):
    for index, folders in enumerate(LAYERS):
        if folder in folders:
            return index
    return None


def problems(source_dir):
    found = []
    folders = [f for layer in LAYERS for f in layer] + list(OUTSIDE)
    for top in sorted({f.split("/")[0] for f in folders}):
        for directory, _, names in os.walk(os.path.join(source_dir, top)):
            for name in sorted(names):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.relpath(os.path.join(directory, name), source_dir)
                mine = folder_of(path)
                with open(os.path.join(source_dir, path), encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for included in INCLUDE.findall(text):
                    theirs = folder_of(included)
                    if mine in OUTSIDE:
                        allowed = OUTSIDE[mine]
                        if allowed is not None and theirs not in allowed:
                            found.append(f"{path}: includes {included}")
                        continue
                    my_rank, their_rank = rank(mine), rank(theirs)
                    if my_rank is None:
                        found.append(f"{path}: the folder {mine} is not in the layer table")
                        break
                    if their_rank is None or their_rank > my_rank:
                        found.append(f"{path}: includes {included}, which is above its layer")
    return found


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    found = problems(sys.argv[1])
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
