#!/usr/bin/env python3
"""The Debian package made from a build tree, checked without root: what it
holds, what it depends on, the tool run from the unpacked package, its manual
page against the tool's own usage, and lintian.

    check_package.py --build BUILD_DIR --cpack CPACK --tool BUILT_TOOL
                     --tests TESTS_DIR --version VERSION
"""
import argparse
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

ARGS = None
APP_ID = "org.orvane.Orvane"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def run(command, env=None, cwd=None, timeout=600):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                          env=env, cwd=cwd, timeout=timeout)


class Package(unittest.TestCase):
    """One package for the whole suite, made into a folder of its own (the
    build tree's own packages are left alone) and unpacked beside it."""

    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="orvane-package-")
        made = run([ARGS.cpack, "-G", "DEB", "--config", os.path.join(ARGS.build, "CPackConfig.cmake"),
                    "-B", cls.scratch], cwd=ARGS.build)
        cls.cpack_output = made.stdout + made.stderr
        arch = run(["dpkg", "--print-architecture"]).stdout.strip()
        cls.deb = os.path.join(cls.scratch, "orvane_%s_%s.deb" % (ARGS.version, arch))
        cls.root = os.path.join(cls.scratch, "root")
        if made.returncode == 0 and os.path.isfile(cls.deb):
            run(["dpkg-deb", "-x", cls.deb, cls.root])
        cls.home = os.path.join(cls.scratch, "home")
        os.makedirs(cls.home)
        cls.env = dict(os.environ, HOME=cls.home, XDG_CONFIG_HOME=os.path.join(cls.home, ".config"),
                       XDG_DATA_HOME=os.path.join(cls.home, ".local/share"))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def setUp(self):
        self.assertTrue(os.path.isfile(self.deb),
                        "cpack made no %s:\n%s\nfolder holds: %s"
                        % (os.path.basename(self.deb), self.cpack_output, os.listdir(self.scratch)))

    def tool(self, *args):
        return run([os.path.join(self.root, "usr/bin/orvane-tool"), *args], env=self.env)

    def contents(self):
        """Path -> (mode, owner) of every entry, as dpkg-deb lists it."""
        listing = run(["dpkg-deb", "--contents", self.deb])
        self.assertEqual(listing.returncode, 0, listing.stderr)
        entries = {}
        for line in listing.stdout.splitlines():
            fields = line.split(None, 5)
            entries[fields[5].split(" -> ")[0].lstrip(".")] = (fields[0], fields[1])
        return entries

    def field(self, name):
        shown = run(["dpkg-deb", "--field", self.deb, name])
        self.assertEqual(shown.returncode, 0, shown.stderr)
        return shown.stdout.strip()

    def test_holds_the_programs_the_desktop_files_and_the_documents(self):
        entries = self.contents()
        wanted = ["/usr/bin/orvane", "/usr/bin/orvane-tool",
                  "/usr/share/applications/%s.desktop" % APP_ID,
                  "/usr/share/metainfo/%s.metainfo.xml" % APP_ID,
                  "/usr/share/icons/hicolor/scalable/apps/%s.svg" % APP_ID,
                  "/usr/share/man/man1/orvane.1.gz", "/usr/share/man/man1/orvane-tool.1.gz",
                  "/usr/share/doc/orvane/copyright", "/usr/share/doc/orvane/changelog.gz"]
        wanted += ["/usr/share/icons/hicolor/%dx%d/apps/%s.png" % (s, s, APP_ID) for s in ICON_SIZES]
        for path in wanted:
            self.assertIn(path, entries)
        for program in ("/usr/bin/orvane", "/usr/bin/orvane-tool"):
            self.assertEqual(entries[program][0], "-rwxr-xr-x", program)
        # Installed as root's, and nothing outside /usr.
        for path, (_, owner) in entries.items():
            self.assertEqual(owner, "root/root", path)
            self.assertTrue(path in ("/", "/usr/") or path.startswith("/usr/"), path)

    def test_programs_are_stripped_and_find_their_libraries_on_the_system(self):
        for program in ("orvane", "orvane-tool"):
            path = os.path.join(self.root, "usr/bin", program)
            sections = run(["readelf", "--sections", "--wide", path]).stdout
            self.assertNotIn(".debug_info", sections, program)
            dynamic = run(["readelf", "--dynamic", path]).stdout
            self.assertNotRegex(dynamic, r"\((RPATH|RUNPATH)\)", program)
            libraries = run(["ldd", path], env=dict(self.env, LD_LIBRARY_PATH="")).stdout
            self.assertNotIn("not found", libraries, program)
            self.assertNotIn(ARGS.build, libraries, program)

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), "orvane")
        self.assertEqual(self.field("Version"), ARGS.version)
        self.assertRegex(self.field("Maintainer"), r"^[^<>]+ <[^@<>\s]+@[^@<>\s]+\.[a-z]+>$")
        description = self.field("Description").splitlines()
        self.assertGreater(len(description), 3, "no long description")
        self.assertLessEqual(max(len(line) for line in description), 80)

        # dpkg-shlibdeps found what the programs link, with versions; the
        # plugins, which nothing links, are named by hand.
        depends = {}
        for item in self.field("Depends").split(","):
            name, _, version = item.strip().partition(" ")
            depends[name] = version
        for library in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                        "libqt6charts6", "libqt6sql6"):
            self.assertIn(library, depends)
            self.assertRegex(depends[library], r"^\(>= [0-9]", library)
        self.assertIn("libqt6sql6-sqlite", depends)
        self.assertTrue(any(name.startswith("libicu") for name in depends), depends)
        self.assertIn("qt6-wayland", self.field("Recommends"))

    def test_changelog_names_this_version(self):
        with gzip.open(os.path.join(self.root, "usr/share/doc/orvane/changelog.gz"), "rt", encoding="utf-8") as f:
            changelog = f.read()
        self.assertTrue(changelog.startswith("orvane (%s) unstable; urgency=medium\n" % ARGS.version), changelog)
        self.assertRegex(changelog, r"\n -- [^\n]+ <[^>]+>  \w{3}, \d\d \w{3} \d{4} \d\d:\d\d:\d\d \+0000\n")

    def test_unpacked_tool_works_as_the_built_one(self):
        fixture = os.path.join(ARGS.tests, "data/fixtures/diary.orv")
        usage = self.tool()
        self.assertEqual(usage.returncode, 2)
        self.assertTrue(usage.stderr.startswith("usage: orvane-tool"), usage.stderr)

        # What the tool does is the tool's tests' concern; here, that the
        # packaged one reads and writes as the built one does.
        copy = os.path.join(self.scratch, "copy.orv")
        exported = self.tool("export", "--format", "orv", "--diary", fixture, copy)
        self.assertEqual(exported.returncode, 0, exported.stderr)
        dumped = self.tool("dump", copy)
        self.assertEqual(dumped.returncode, 0, dumped.stderr)
        self.assertEqual(dumped.stdout, run([ARGS.tool, "dump", fixture], env=self.env).stdout)

    def test_unpacked_tool_keeps_sensor_readings_through_the_sqlite_plugin(self):
        if not re.search(r"^\s*(usage:)?\s*orvane-tool sensor\b", self.tool().stderr, re.M):
            self.skipTest("this orvane-tool has no sensor command")
        diary = os.path.join(self.scratch, "sensor.orv")
        imported = self.tool("import", "--diary", diary,
                             os.path.join(ARGS.tests, "data/formats/nightscout_entries.json"))
        self.assertEqual(imported.returncode, 0, imported.stderr)
        readings = self.tool("sensor", "--diary", diary)
        self.assertEqual(readings.returncode, 0, readings.stderr)
        self.assertEqual(len(readings.stdout.splitlines()), 30)

    def test_manual_page_tells_every_command_and_option_of_the_usage(self):
        page_path = os.path.join(self.root, "usr/share/man/man1/orvane-tool.1.gz")
        with gzip.open(page_path, "rt", encoding="utf-8") as f:
            page = f.read().replace("\\-", "-")
        # The synopsis: one .B line naming the command, up to its .br.
        synopsis = page.split("\n.SH SYNOPSIS\n", 1)[1].split("\n.SH ", 1)[0]
        described = {}
        for block in synopsis.split("\n.br\n"):
            command = re.match(r"\.B orvane-tool (\w+)", block)
            self.assertIsNotNone(command, block)
            described[command.group(1)] = set(re.findall(r"--[a-z]+", block))
        commands = page.split("\n.SH COMMANDS\n", 1)[1].split("\n.SH ", 1)[0]

        usage = self.tool().stderr
        in_usage = {}
        for line in re.sub(r"\n\s{20,}", " ", usage).splitlines():
            found = re.search(r"orvane-tool (\w+)(.*)", line)
            self.assertIsNotNone(found, line)
            in_usage[found.group(1)] = set(re.findall(r"--[a-z]+", found.group(2)))
        self.assertGreaterEqual(len(in_usage), 6, usage)
        for command, options in in_usage.items():
            self.assertIn(command, described, "the synopsis leaves out " + command)
            self.assertLessEqual(options, described[command], command)
            self.assertRegex(commands, r"\n\.(B|BR|BI) \"?%s\b" % command, "no entry for " + command)

        # And man reads it without a complaint.
        for name in ("orvane-tool.1.gz", "orvane.1.gz"):
            shown = run(["man", "--warnings", "-E", "UTF-8", "-l", os.path.join(self.root, "usr/share/man/man1", name)],
                        env=dict(self.env, MANWIDTH="80", MAN_KEEP_STDERR="1"))
            self.assertEqual(shown.returncode, 0, shown.stderr)
            self.assertEqual(shown.stderr, "", name)
            self.assertIn("NAME", shown.stdout)

    def test_lintian_finds_no_error(self):
        lintian = shutil.which("lintian")
        if not lintian:
            self.skipTest("lintian is not installed (Debian: lintian); the package was not linted")
        checked = run([lintian, "--allow-root", "--tag-display-limit", "0", "--display-info", self.deb], env=self.env)
        report = checked.stdout + checked.stderr
        # What lintian says is shown whether or not it passes.
        sys.stderr.write("lintian:\n%s\n" % (report.strip() or "(nothing)"))
        errors = [line for line in report.splitlines() if line.startswith("E: ")]
        self.assertEqual(errors, [], report)
        self.assertEqual(checked.returncode, 0, report)


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True)
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--tool", required=True)
    parser.add_argument("--tests", required=True)
    parser.add_argument("--version", required=True)
    ARGS, rest = parser.parse_known_args()
    ARGS.build = os.path.realpath(ARGS.build)
    for program in ("dpkg-deb", "dpkg-shlibdeps", "readelf", "man"):
        if not shutil.which(program):
            print("skipped: %s is not installed" % program)
            return 77
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    sys.exit(main())
