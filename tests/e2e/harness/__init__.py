"""Drives kestrune.exe under Wine on a virtual X display, as an operator would."""
