"""What the cross-built program brings along: nothing but itself."""
import subprocess
import unittest

from harness import paths

# DLLs that every Windows installation has in its system folder.
SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll",
               "msvcrt.dll", "user32.dll", "shell32.dll", "ole32.dll", "uxtheme.dll",
               "ucrtbase.dll", "ws2_32.dll", "shlwapi.dll", "version.dll", "imm32.dll"}


class Build(unittest.TestCase):
    def test_program_imports_only_system_dlls(self):
        dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(paths.KESTRUNE_EXE)],
                              check=True, stdout=subprocess.PIPE, text=True).stdout
        imports = {line.split(":", 1)[1].strip().lower() for line in dump.splitlines()
                   if "DLL Name:" in line}
        self.assertIn("kernel32.dll", imports)
        self.assertEqual(imports - SYSTEM_DLLS, set())
        self.assertRegex(dump, r"Subsystem\s+0+2\s+\(Windows GUI\)")
