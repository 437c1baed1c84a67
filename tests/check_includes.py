#!/usr/bin/env python3
"""Keeps the arrows of src/ pointing down.

Each folder under src/ is one library, stacked from the ground up as LAYERS
says. A file may include its own folder's headers and those of the folders
below it, never those above; and the widget-free folders include no header
of a widget module (QtWidgets, QtCharts), whatever the build happens to
find on its include path.

  check_includes.py SRC_DIR WIDGET_INCLUDE_DIR...   checks the tree
  check_includes.py --self-test WIDGET_INCLUDE_DIR... shows that it catches both faults
"""
import os
import re
import sys
import tempfile

LAYERS = ["model", "text", "interchange", "view", "report", "ui", "edit", "app"]
WIDGET_FREE = {"model", "text", "interchange", "view"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def widget_headers(dirs):
    names = set()
    for d in dirs:
        module = os.path.basename(os.path.normpath(d))
        for name in os.listdir(d):
            names.add(name)
            names.add(f"{module}/{name}")
    return names


def faults(src, widgets):
    found = []
    for folder in sorted(os.listdir(src)):
        if folder not in LAYERS:
            continue
        rank = LAYERS.index(folder)
        for root, _, files in os.walk(os.path.join(src, folder)):
            for f in sorted(files):
                if not f.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(root, f)
                with open(path, encoding="utf-8") as text:
                    for number, line in enumerate(text, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        kind, name = m.groups()
                        where = f"{os.path.relpath(path, src)}:{number}"
                        top = name.split("/")[0]
                        if kind == '"' and top in LAYERS and LAYERS.index(top) > rank:
                            found.append(f"{where}: {folder}/ includes {name} from {top}/, a layer above it")
                        if kind == "<" and folder in WIDGET_FREE and name in widgets:
                            found.append(f"{where}: {folder}/ needs no widgets but includes <{name}>")
    return found


def self_test(widgets):
    with tempfile.TemporaryDirectory() as src:
        for folder, body in [("model", '#include <QWidget>\n'), ("view", '#include "ui/Dialogs.h"\n'),
                             ("app", '#include "model/Card.h"\n#include <QWidget>\n')]:
            os.makedirs(os.path.join(src, folder))
            with open(os.path.join(src, folder, "File.cpp"), "w") as f:
                f.write(body)
        found = faults(src, widgets)
    expected = ["model/File.cpp:1", "view/File.cpp:1"]
    got = [line.split(": ")[0] for line in found]
    if got != expected:
        print(f"self-test: expected faults at {expected}, found {found}")
        return 1
    print("self-test: a widget header in the core and an include from above are both caught")
    return 0


def main(argv):
    if len(argv) >= 2 and argv[1] == "--self-test":
        return self_test(widget_headers(argv[2:]))
    if len(argv) < 3:
        print(__doc__)
        return 2
    found = faults(argv[1], widget_headers(argv[2:]))
    for line in found:
        print(line)
    print(f"{len(found)} includes point the wrong way" if found else "every include points down")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
