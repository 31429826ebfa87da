"""Where the builds, the prefix and the artifacts live."""
import os
from pathlib import Path

REPO = Path(__file__).resolve().parents[3]
BUILD = Path(os.environ.get("KESTRUNE_BUILD", REPO / "build"))
KESTRUNE_EXE = Path(os.environ.get("KESTRUNE_EXE", BUILD / "windows" / "app" / "kestrune.exe"))
KDRIVER_EXE = Path(os.environ.get("KDRIVER_EXE",
                                  BUILD / "windows" / "tests" / "e2e" / "driver" / "kdriver.exe"))
EMULATOR = Path(os.environ.get("KESTRUNE_EMULATOR", BUILD / "native" / "tools" / "kestrune-emu"))
ARTIFACTS = BUILD / "e2e-artifacts"
CJK_FONT = Path("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc")
MARLETT_FONT = Path("/usr/share/wine/fonts/marlett.ttf")
