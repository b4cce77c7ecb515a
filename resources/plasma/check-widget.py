#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks the Plasma panel widget against what Plasma and the program expect.

usage: check-widget.py PACKAGE DESKTOP_ENTRY TRAY_ITEM_HEADER

Plasma skips a package whose metadata is wrong without a word, and the widget
finds the program only by its tray item's Id and starts it only by its
desktop entry's name, so a rename on either side must fail here.
"""
import json
import pathlib
import re
import sys

package, desktop_entry, tray_item_header = map(pathlib.Path, sys.argv[1:4])
faults = []


def expect(condition, fault):
    if not condition:
        faults.append(fault)


metadata = json.loads((package / "metadata.json").read_text(encoding="utf-8"))
plugin = metadata.get("KPlugin", {})
expect(plugin.get("Id") == package.name, f"KPlugin.Id is not the folder's name {package.name}")
for key in ("Name", "Description", "Icon"):
    expect(isinstance(plugin.get(key), str) and plugin[key].strip(), f"KPlugin.{key} is missing")
expect("Plasma/Applet" in plugin.get("ServiceTypes", []), "not a Plasma/Applet service type")
expect(metadata.get("KPackageStructure") == "Plasma/Applet", "KPackageStructure is not Plasma/Applet")
expect(metadata.get("X-Plasma-API") == "declarativeappletscript", "X-Plasma-API is not declarativeappletscript")
main_script = package / "contents" / metadata.get("X-Plasma-MainScript", "")
expect(main_script.is_file(), f"X-Plasma-MainScript {main_script} does not exist")

entry_icon = re.search(r"^Icon=(.+)$", desktop_entry.read_text(encoding="utf-8"), re.MULTILINE)
expect(entry_icon and plugin.get("Icon") == entry_icon.group(1), "KPlugin.Icon is not the program's icon")
item_id = re.search(r'QString id\(\) const \{ return QStringLiteral\("([^"]+)"\); \}',
                    tray_item_header.read_text(encoding="utf-8"))
expect(item_id, "the tray item's Id was not found")
if main_script.is_file() and item_id and entry_icon:
    qml = main_script.read_text(encoding="utf-8")
    expect(f'data.Id === "{item_id.group(1)}"' in qml, f"the widget does not look for the item {item_id.group(1)}")
    # The desktop entry is installed under the icon's reverse-DNS name.
    expect(f"--application {entry_icon.group(1)} " in qml,
           f"the widget does not start the desktop entry {entry_icon.group(1)}")

for fault in faults:
    print(f"{package}: {fault}", file=sys.stderr)
sys.exit(1 if faults else 0)
