#!/usr/bin/python3
"""The Debian package from outside: its control fields and file list as
dpkg-deb shows them, and the files it unpacks to. Each step is one CTest test:

    check_package.py control-fields | file-list | unpack | unpacked-files
                   | reproducible
"""

import gzip
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))
from installed_files import help_options  # noqa: E402
from orderform_e2e import check, check_equal, run_tests  # noqa: E402

PACKAGE = Path(os.environ["ORDERFORM_PACKAGE"])
ROOT = Path(os.environ["ORDERFORM_PACKAGE_ROOT"])
VERSION = os.environ["ORDERFORM_PACKAGE_VERSION"]
APP_ID = "example.quendrel.OrderForm"
DOC = "usr/share/doc/quendrel-orderform"
SOURCE = Path(__file__).resolve().parents[2]

EXECUTABLE = "-rwxr-xr-x"
READABLE = "-rw-r--r--"
FILES = {
    "usr/bin/orderform": EXECUTABLE,
    f"usr/share/applications/{APP_ID}.desktop": READABLE,
    f"usr/share/icons/hicolor/32x32/apps/{APP_ID}.png": READABLE,
    f"usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg": READABLE,
    f"usr/share/metainfo/{APP_ID}.metainfo.xml": READABLE,
    f"{DOC}/copyright": READABLE,
    f"{DOC}/changelog.Debian.gz": READABLE,
    "usr/share/man/man1/orderform.1.gz": READABLE,
    "usr/share/lintian/overrides/quendrel-orderform": READABLE,
}

# Packages the program needs whatever dpkg-shlibdeps finds: libcups is
# opened at the first printout, the fonts are the printed form's. The rest
# show that dpkg-shlibdeps ran.
DEPENDS = ["libcups2", "fonts-liberation2", "libc6", "libstdc++6", "libqt6widgets6"]


def dpkg_deb(*arguments):
    return subprocess.run(["dpkg-deb", *arguments], capture_output=True, text=True,
                          check=True).stdout


def read_control_fields():
    fields = {}
    for line in dpkg_deb("-I", str(PACKAGE), "control").splitlines():
        if line.startswith(" "):
            fields[name] += "\n" + line
        elif line:
            name, value = line.split(":", 1)
            fields[name] = value.strip()
    return fields


def control_fields():
    fields = read_control_fields()
    architecture = subprocess.run(["dpkg", "--print-architecture"], capture_output=True,
                                  text=True, check=True).stdout.strip()
    for name, expected in {
        "Package": "quendrel-orderform",
        "Version": VERSION,
        "Architecture": architecture,
        "Maintainer": "Quendrel Software <orders@quendrel.example>",
        "Priority": "optional",
        "Homepage": "https://www.quendrel.example/",
    }.items():
        check_equal(fields.get(name), expected, f"the {name} field")
    check(fields.get("Section") in ("x11", "misc"), f"the section {fields.get('Section')!r}")
    summary, *long_description = fields.get("Description", "").split("\n")
    check(summary and long_description, "the package has no short and long description")

    depends = {alternative.split()[0] for dependency in fields.get("Depends", "").split(",")
               for alternative in dependency.split("|") if alternative.strip()}
    missing = [package for package in DEPENDS if package not in depends]
    check(not missing, f"Depends lacks {missing}: {fields.get('Depends')}")


def file_list():
    files = {}
    problems = []
    for line in dpkg_deb("-c", str(PACKAGE)).splitlines():
        mode, owner, _size, _date, _time, path = line.split(maxsplit=5)
        path = path.removeprefix("./")
        if owner != "root/root":
            problems.append(f"{path} belongs to {owner}")
        if not mode.startswith("d"):
            files[path] = mode
        elif mode != "drwxr-xr-x":
            problems.append(f"{path} is {mode}")
    problems += [f"missing {path}" for path in FILES.keys() - files.keys()]
    problems += [f"unexpected {path}" for path in files.keys() - FILES.keys()]
    problems += [f"{path} is {mode}, not {FILES[path]}" for path, mode in files.items()
                 if path in FILES and mode != FILES[path]]
    check(not problems, "the package's files: " + "; ".join(sorted(problems)))


def unpack():
    shutil.rmtree(ROOT, ignore_errors=True)
    dpkg_deb("-x", str(PACKAGE), str(ROOT))


def unpacked_files():
    entry = dict(line.split("=", 1) for line in
                 (ROOT / f"usr/share/applications/{APP_ID}.desktop").read_text().splitlines()
                 if "=" in line and not line.startswith("#"))
    check_equal(entry.get("TryExec"), "/usr/bin/orderform", "the desktop entry's TryExec")
    check("'/usr/bin/orderform'" in entry.get("Exec", ""),
          f"the desktop entry starts {entry.get('Exec')!r}, not /usr/bin/orderform")

    # The rights notice as the About window shows it.
    copyright_lines = (ROOT / DOC / "copyright").read_text().splitlines()
    for line in ("Copyright (C) 1999 by Quendrel Software", "All Rights Reserved"):
        check(line in copyright_lines, f"the copyright file lacks {line!r}")

    metadata = ElementTree.parse(ROOT / f"usr/share/metainfo/{APP_ID}.metainfo.xml")
    check_equal(metadata.find("releases/release").get("version"), VERSION,
                "the latest release in the AppStream metadata")

    # The manual page's OPTIONS list every option the program's help lists.
    manual = gzip.decompress((ROOT / "usr/share/man/man1/orderform.1.gz").read_bytes()).decode()
    options = manual.partition("\n.SH OPTIONS\n")[2].partition("\n.SH ")[0]
    missing = [option for option in help_options() if option.replace("-", "\\-") not in options]
    check(not missing, f"the manual page's OPTIONS do not list {missing}")


def build_package_from_copy(folder):
    """Clones the commit checked out in SOURCE into the folder, lays the
    working tree's changes over it, builds the program there as the build
    under test was built and makes its package: the package's path. The clone
    gives the package the same commit time as the checkout's."""
    subprocess.run(["git", "clone", "--quiet", str(SOURCE), str(folder)], check=True)
    listed = subprocess.run(["git", "-C", str(SOURCE), "ls-files", "-z", "--cached", "--others",
                             "--exclude-standard"], capture_output=True, check=True).stdout
    for name in filter(None, listed.decode().split("\0")):
        if (SOURCE / name).is_file():
            (folder / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy(SOURCE / name, folder / name)
        elif (folder / name).is_file():
            (folder / name).unlink()
    build = folder / "build"
    settings = [f"-D{setting}={os.environ[variable]}" for setting, variable in (
        ("CMAKE_BUILD_TYPE", "ORDERFORM_PACKAGE_BUILD_TYPE"),
        ("CMAKE_CXX_COMPILER", "ORDERFORM_PACKAGE_COMPILER"),
        ("CMAKE_CXX_FLAGS", "ORDERFORM_PACKAGE_CXX_FLAGS"))]
    for command in (["cmake", "-S", str(folder), "-B", str(build), "-DBUILD_TESTING=OFF",
                     "-DORDERFORM_BENCHMARKS=OFF", *settings],
                    ["cmake", "--build", str(build), "--parallel", str(os.cpu_count() or 1)],
                    ["cpack", "-G", "DEB", "-B", str(build)]):
        done = subprocess.run(command, cwd=build if build.exists() else folder,
                              capture_output=True, text=True)
        check(done.returncode == 0, f"{' '.join(command)}:\n{done.stdout}{done.stderr}")
    return build / PACKAGE.name


def reproducible():
    # The package of the build under test, and one built again from a copy of
    # its sources in a folder of another depth, made later: their paths, and
    # every file's time, differ.
    with tempfile.TemporaryDirectory() as scratch:
        folder = Path(scratch) / "second" / "checkout"
        packages = [PACKAGE, build_package_from_copy(folder)]
        digests = [hashlib.sha256(package.read_bytes()).hexdigest() for package in packages]
        if digests[0] != digests[1]:
            listings = [dpkg_deb("--contents", str(package)) for package in packages]
            check(False, "two builds of the same sources give two packages: "
                  + " / ".join(digests) + "\n" + "\n".join(listings))
        program = subprocess.run(["dpkg-deb", "--fsys-tarfile", str(PACKAGE)],
                                 capture_output=True, check=True).stdout
        # This build's own folder would show as two packages that differ.
        check(str(folder).encode() not in program,
              f"the package holds the build folder's path {folder}")
        print(f"both packages: sha256 {digests[0]}")


if __name__ == "__main__":
    run_tests({
        "control-fields": control_fields,
        "file-list": file_list,
        "unpack": unpack,
        "unpacked-files": unpacked_files,
        "reproducible": reproducible,
    })
