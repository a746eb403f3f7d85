#!/usr/bin/env python3
"""Installs a build tree into a temporary prefix (cmake --install) and checks what the desktop
needs of it: the program folder with the program, its utility library and its definition
archive, the commands in bin, the desktop entry, its icon and the data-file types it names."""
import configparser
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

MIME = "{http://www.freedesktop.org/standards/shared-mime-info}"
SVG = "{http://www.w3.org/2000/svg}"


def check(condition, message, failures):
    if not condition:
        failures.append(message)


def main(build_dir):
    failures = []
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        lib = next((os.path.join(prefix, d) for d in ("lib", "lib64", "lib/x86_64-linux-gnu")
                    if os.path.isdir(os.path.join(prefix, d, "VOKG_SET"))), None)
        check(lib is not None, "no program folder lib*/VOKG_SET", failures)
        if lib:
            folder = os.path.join(lib, "VOKG_SET")
            for name in ("VOKG_SET", "vokg-cli", "libhlpkit.so", "VOKG_SET.e"):
                check(os.path.isfile(os.path.join(folder, name)), "missing in the program folder: " + name, failures)
        for command in ("VOKG_SET", "vokg-cli"):
            link = os.path.join(prefix, "bin", command)
            check(os.path.islink(link) and os.path.isfile(link), "bin/%s does not lead to the program" % command,
                  failures)
        if os.path.isfile(os.path.join(prefix, "bin", "vokg-cli")):
            version = subprocess.run([os.path.join(prefix, "bin", "vokg-cli"), "--version"], capture_output=True,
                                     text=True)
            check(version.returncode == 0 and version.stdout.startswith("vokg-cli "),
                  "the installed companion does not run: " + version.stdout + version.stderr, failures)

        desktop_path = os.path.join(prefix, "share", "applications", "vokg-set.desktop")
        entry = configparser.ConfigParser(interpolation=None, strict=True)
        entry.optionxform = str
        check(bool(entry.read(desktop_path, encoding="utf-8")), "no desktop entry", failures)
        section = entry["Desktop Entry"] if entry.has_section("Desktop Entry") else {}
        check(section.get("Type") == "Application", "the entry is not an application", failures)
        check(section.get("Exec", "").split()[:1] == ["VOKG_SET"], "Exec does not start VOKG_SET", failures)
        icon = section.get("Icon", "")
        icon_path = os.path.join(prefix, "share", "icons", "hicolor", "scalable", "apps", icon + ".svg")
        check(os.path.isfile(icon_path), "the icon %r is not installed" % icon, failures)
        if os.path.isfile(icon_path):
            svg = ElementTree.parse(icon_path).getroot()
            check(svg.tag == SVG + "svg" and svg.get("viewBox") == "0 0 64 64", "the icon is no 64-unit SVG",
                  failures)

        mime_path = os.path.join(prefix, "share", "mime", "packages", "vokg-set.xml")
        check(os.path.isfile(mime_path), "no data-file types", failures)
        types = {}
        if os.path.isfile(mime_path):
            for mime_type in ElementTree.parse(mime_path).getroot().iter(MIME + "mime-type"):
                types[mime_type.get("type")] = [glob.get("pattern") for glob in mime_type.iter(MIME + "glob")]
        named = [t for t in section.get("MimeType", "").split(";") if t]
        check(sorted(named) == sorted(types), "the entry names %s, the types are %s" % (named, sorted(types)),
              failures)
        patterns = [p.lower() for globs in types.values() for p in globs]
        check("*.dsg" in patterns, "no type for design files", failures)
        check(any(p.endswith(".dat") for p in patterns), "no type for machine data files", failures)
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
