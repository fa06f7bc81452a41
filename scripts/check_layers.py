#!/usr/bin/env python3
"""Fails when a folder includes a header of a folder it may not use.

The allowed folders come from the libraries' CMakeLists.txt (vistrel_library
DEPS), passed as "folder:dep,dep" arguments, so the build and this check
cannot disagree.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/[^"]+"', re.M)


def check(root, layers):
    faults = []
    for folder, allowed in layers.items():
        for path in sorted((root / folder).glob('*')):
            if path.suffix not in ('.h', '.cpp'):
                continue
            for target in INCLUDE.findall(path.read_text(encoding='utf-8', errors='replace')):
                if target != folder and target in layers and target not in allowed:
                    faults.append(f'{path.relative_to(root)} includes {target}/, '
                                  f'which {folder}/ may not use (allowed: {", ".join(sorted(allowed)) or "none"})')
    return faults


def main(argv):
    root = pathlib.Path(argv[1])
    layers = {}
    for arg in argv[2:]:
        folder, _, deps = arg.partition(':')
        layers[folder] = set(d for d in deps.split(',') if d)
    faults = check(root, layers)
    for f in faults:
        print(f)
    print(f'{len(layers)} folders checked, {len(faults)} upward includes')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
