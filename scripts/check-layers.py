#!/usr/bin/env python3
"""Checks that the rooms of src/ depend only downwards.

    python3 scripts/check-layers.py [SRC]      # SRC defaults to src

Each folder of SRC is a room; ROOMS orders them from the bottom. A source
file may include files of its own room and of the rooms below it, never of a
room above, so that each room builds and tests without the ones above it. A
folder the order does not name fails too, so that a new room is placed on
purpose. Prints one line per problem and exits 1 when there is any.
"""

import os
import re
import sys

# From the bottom up; the one place the order is written.
ROOMS = "res base decode file edit view bytes inspector search app".split()

SOURCE_SUFFIXES = (".c", ".cpp", ".h", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def included_room(src, source, name):
    """The room an include names, or None when it names none (a file of the
    including file's own folder, as the resource script's includes)."""
    # The compiler looks beside the including file first, then in SRC.
    beside = os.path.normpath(os.path.join(os.path.dirname(source), name))
    path = beside if os.path.exists(beside) else os.path.normpath(os.path.join(src, name))
    parts = os.path.relpath(path, src).split(os.sep)
    if len(parts) < 2:
        return None
    return parts[0]


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else "src"
    rank = {room: i for i, room in enumerate(ROOMS)}
    order = " ".join(ROOMS)
    problems = []
    for room in sorted(os.listdir(src)):
        if os.path.isdir(os.path.join(src, room)) and room not in rank:
            problems.append(f"{os.path.join(src, room)}: a room not in the order ({order})")
    for folder, dirs, files in os.walk(src):
        dirs.sort()
        room = os.path.relpath(folder, src).split(os.sep)[0]
        for file in sorted(files):
            source = os.path.join(folder, file)
            if not file.endswith(SOURCE_SUFFIXES) or room not in rank:
                continue
            with open(source, encoding="utf-8", errors="replace") as text:
                for number, line in enumerate(text, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    name = match.group(1)
                    target = included_room(src, source, name)
                    if target is None or target == room:
                        continue
                    if target == "..":
                        why = "outside the rooms"
                    elif target not in rank:
                        why = "a room not in the order"
                    elif rank[target] > rank[room]:
                        why = f"a room above {room}"
                    else:
                        continue
                    problems.append(f'{source}:{number}: includes "{name}", {why}')
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
