#!/usr/bin/env python3
"""Writes bench/RESULTS.md from one run of every benchmark: the machine, and
for each measurement its median beside its lower bound and their ratio.

    bench/report.py BUILD OUTPUT.md bench-capture.json bench-window.json bench-live.json bench-record.json \
        [bench-grid.json]

The JSON files are Google Benchmark's own (--benchmark_out_format=json), run
with repetitions; the median of the repetitions is the figure used."""
import json
import os
import platform
import re
import subprocess
import sys


def first_line(command):
    try:
        return subprocess.run(command, capture_output=True, text=True, check=True).stdout.splitlines()[0].strip()
    except (OSError, subprocess.CalledProcessError, IndexError):
        return "unknown"


def cpu_model():
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return platform.processor() or "unknown"


def os_name():
    try:
        with open("/etc/os-release") as release:
            for line in release:
                if line.startswith("PRETTY_NAME="):
                    return line.split("=", 1)[1].strip().strip('"') + ", Linux " + platform.release()
    except OSError:
        pass
    return platform.platform()


def cmake_cache(build, key):
    try:
        with open(os.path.join(build, "CMakeCache.txt")) as cache:
            for line in cache:
                if line.startswith(key + ":"):
                    return line.split("=", 1)[1].strip()
    except OSError:
        pass
    return ""


def medians(path):
    """name -> the median entry of each benchmark run in the file."""
    with open(path) as f:
        data = json.load(f)
    found = {}
    for entry in data["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            found[entry["run_name"].split("/")[0]] = entry
    return data["context"], found


UNITS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def ms(entry):
    return entry["real_time"] * UNITS[entry["time_unit"]]


def shown(value_ms):
    if value_ms >= 100:
        return f"{value_ms:.2f} ms"
    if value_ms >= 1:
        return f"{value_ms:.3f} ms"
    return f"{value_ms * 1000:.1f} µs"


def grid_section(grid):
    """The lines of Ekrano Live for the whole class (bench-grid)."""
    return [
        "## Ekrano Live for the whole class",
        "",
        "`ekrano-live --all` (bench-grid) as it runs, its window, its look for the calculators every second and a "
        "reader for each, with 30 calculators on their own USB port whose screens do not change: each the simulated "
        "calculator behind the simulated device, in place of the USB library, on the modelled full-speed link, "
        "taking the recorded exchange's half second. Measured over ten seconds once every tile reads; the "
        "processor time is the whole process's, the simulated calculators' own share included.",
        "",
        "| What | Median | Goal |",
        "|---|---:|---|",
        f"| Processor time of `ekrano-live --all` with 30 calculators | {grid['cpu_percent']:.2f} % of a core | "
        "under 5 % of a core |",
        f"| Their screens a second, all together | {grid['screens_per_s']:.1f} | |",
        f"| Resident memory each calculator adds (the window's own included, shared out) | "
        f"{grid['resident_mib_each']:.2f} MiB | |",
        f"| Threads each calculator adds | {grid['threads_each']:.2f} | |",
        "",
    ]


def class_rows(live):
    """The whole class read side by side: each calculator on an Ekrano Live reader of its own."""
    usb, gray = live["ClassOf30OnTheirOwnUsbPorts"], live["ClassOf4OnGrayCables"]
    return [
        "",
        "## The whole class read side by side",
        "",
        "Every calculator on an Ekrano Live reader of its own, as `ekrano-live --all` and `ekrano-capture --all` "
        "read them (bench-live): the screens a second of all of them together, each counted by its own calculator, "
        "beside as many times the screens a second of the first of them read alone. The calculators on their own "
        "USB port are the simulated ones behind the modelled full-speed link, each at its own place, each taking "
        "the recorded exchange's half second; the Gray-cable calculators are the pseudo-terminals' of the 9600-baud "
        "wire above, on COM1 to COM4.",
        "",
        "| What | All together | One alone | Ratio | Goal |",
        "|---|---:|---:|---:|---|",
        f"| 30 calculators on their own USB port, screens a second | {usb['all_per_s']:.3f} | "
        f"30 × {usb['alone_per_s']:.4f} | {usb['ratio']:.4f} | at least 0.95 |",
        f"| 4 Gray-cable calculators at 9600 baud, screens a second | {gray['all_per_s']:.4f} | "
        f"4 × {gray['alone_per_s']:.4f} | {gray['ratio']:.4f} | at least 0.95 |",
        "",
        "What each calculator read costs, sampled every 0.1 s while all of them are read, beside the same process "
        f"before: {usb['threads_each']:.0f} thread (its stack's address space reserved, little of it used) and "
        f"{usb['resident_kib_each']:.0f} KiB of resident memory for a calculator on its own USB port (the simulated "
        f"device's included); {gray['threads_each']:.0f} thread, {gray['resident_kib_each']:.0f} KiB and "
        f"{gray['descriptors_each']:.0f} descriptor, while its capture runs, for a Gray cable.",
    ]


def main():
    build, output, capture_json, window_json, live_json, record_json = sys.argv[1:7]
    grid_json = sys.argv[7] if len(sys.argv) > 7 else None
    context, capture = medians(capture_json)
    _, window = medians(window_json)
    _, live = medians(live_json)
    _, recorded = medians(record_json)

    compiler = cmake_cache(build, "CMAKE_CXX_COMPILER") or "c++"
    rows = []
    pty = capture["BM_CaptureOverPty"]
    capture_bytes = round(pty["gray_bytes_ms"] * 9600 / 10 / 1000)
    rows.append(("bench-capture", "A capture over a pseudo-terminal: open, SCR, ACK, DATA, ACK, close",
                 pty["capture_ms"], f"the same {capture_bytes} bytes in the same turns between two plain threads",
                 pty["pty_bytes_ms"]))
    rows.append(("bench-capture", "A capture on the Gray cable at 9600 baud: the bytes' time plus the overhead above "
                 "(computed, not measured on a cable)",
                 pty["gray_capture_ms"], f"the {capture_bytes} bytes at 9600 baud, 10 bits each", pty["gray_bytes_ms"]))
    fill = ms(window["FillTheZoom5ImageOnce"])
    rows.append(("bench-window", "A Scroll step at zoom 5 (thumb dragged: resize, Redraw, clipboard)",
                 ms(window["ScrollStepAtZoom5"]), "one fill of the zoom-5 image", fill))
    rows.append(("bench-window", "The same Scroll step",
                 ms(window["ScrollStepAtZoom5"]), "a plain scroll bar of the same size: its thumb moved and "
                 "painted, and a label's text changed", ms(window["PlainScrollBarThumbStep"])))
    rows.append(("bench-window", "Redraw with the gradient at zoom 5, every pixel dark, the frame on",
                 ms(window["RedrawWithGradientAtZoom5"]), "one fill of the zoom-5 image", fill))
    rows.append(("bench-window", "Start-up to the first finished Redraw",
                 ms(window["StartUpToFirstRedraw"]), "a bare Qt window with one menu bar, shown",
                 ms(window["StartUpBareWindowWithMenuBar"])))
    rows.append(("bench-window", "The same start-up",
                 ms(window["StartUpToFirstRedraw"]), "a plain Qt window with the same widgets and menus in the "
                 "same places, shown", ms(window["StartUpPlainWindowWithTheSameWidgets"])))

    lines = [
        "# Benchmark results",
        "",
        f"Measured by `make bench` on {context['date'][:10]}, all in one run: each benchmark five times (a capture's "
        "five times are of 100 captures each), the median of the five below. The lower bound is what the same work cannot take less than; the ratio is the median "
        "over it.",
        "",
        "| Machine | |",
        "|---|---|",
        f"| CPU | {cpu_model()} |",
        f"| Cores | {context['num_cpus']} |",
        f"| OS | {os_name()} |",
        f"| Compiler | {first_line([compiler, '--version'])}, {cmake_cache(build, 'CMAKE_BUILD_TYPE')} |",
        f"| Qt | {first_line(['pkg-config', '--modversion', 'Qt6Core'])} (offscreen platform) |",
        "",
        "| Binary | What | Median | Lower bound | Its median | Ratio |",
        "|---|---|---:|---|---:|---:|",
    ]
    for binary, what, value, bound, bound_value in rows:
        ratio = value / bound_value if bound_value > 0 else float("inf")
        ratio_text = f"{ratio:.2f}" if ratio >= 1.1 else f"{ratio:.4f}"
        lines.append(f"| {binary} | {what} | {shown(value)} | {bound} | {shown(bound_value)} | {ratio_text} |")
    lines += [
        "",
        f"A capture's overhead over its bytes, the median of the differences: {shown(pty['overhead_ms'])}.",
        "",
        "Ekrano Live (bench-live), reading back to back from a calculator that does nothing but the screen exchange, "
        "both counted by that calculator: the screens a second it reads beside the exchanges a second of a plain "
        "thread that moves the same bytes in the same turns. At 9600 baud every byte takes 10 bits' time on a "
        "modelled wire, as on the Gray cable. On the modelled full-speed USB link every 64-byte USB packet takes "
        "51 µs (64 bytes and 13 of the bus's own at 12 Mbit/s), one at a time; the calculator on its own USB port "
        "is the simulated one behind the simulated device, in place of the USB library.",
        "",
        "| What | Ekrano Live | Bare exchanges | Ratio | Goal |",
        "|---|---:|---:|---:|---|",
    ]
    full, gray = live["LiveAtFullSpeed"], live["LiveAtGray9600"]
    lines.append(f"| Screens a second, at full speed over a pseudo-terminal | {full['live_per_s']:.0f} | "
                 f"{full['bare_per_s']:.0f} | {full['live_per_s'] / full['bare_per_s']:.2f} | (see below) |")
    lines.append(f"| Screens a second on a 9600-baud wire | {gray['live_per_s']:.4f} | {gray['bare_per_s']:.4f} | "
                 f"{gray['live_per_s'] / gray['bare_per_s']:.4f} | at least 0.95, and 1.2 screens a second |")
    lines.append(f"| The same, beside the wire's own rate (786 bytes of 10 bits) | {gray['live_per_s']:.4f} | "
                 f"{gray['wire_per_s']:.4f} | {gray['live_per_s'] / gray['wire_per_s']:.4f} | |")
    direct, paced = live["LiveDirectUsbFullSpeed"], live["LiveDirectUsbRecordedPace"]
    lines.append(f"| Screens a second from a calculator on its own USB port, answering at once, on a modelled "
                 f"full-speed link | {direct['live_per_s']:.0f} | {direct['bare_per_s']:.0f} | "
                 f"{direct['live_per_s'] / direct['bare_per_s']:.2f} | |")
    lines.append(f"| The same, the calculator taking the recorded exchange's half second | "
                 f"{paced['live_per_s']:.4f} | {paced['bare_per_s']:.4f} | "
                 f"{paced['live_per_s'] / paced['bare_per_s']:.4f} | at least 0.95, and about 2 screens a second |")
    lines += [
        "",
        f"The idle gap between two captures, from the last ACK to the next request, as the capture's trace times "
        f"them (its own writing included), the median: {shown(full['gap_ms'])} (goal: under 1 ms). Over a "
        "pseudo-terminal a screen's exchange takes "
        f"{shown(1000 / full['bare_per_s'])}, so opening and closing the port for each capture, as the window's "
        "capture does, weighs; on the Gray cable the same gap is a small part of a screen's "
        f"{shown(1000 / gray['wire_per_s'])}.",
        "",
        f"The live window's processor time while the screen does not change, its reading thread included, at "
        f"9600 baud: {gray['idle_cpu_percent']:.2f} % of a core (goal: under 1 %).",
        "",
        "Recording (bench-record): the GIF of a ten-minute recording of a graph being drawn, at the default scale of 4 "
        "(388 × 260 pixels): the time to write it, every frame drawn from the screen's bits, compared with the last "
        "and compressed by giflib, in memory; and its size beside `gifsicle -O3 --colors 2` run on the same frames "
        "written whole. At full speed the screens are gathered into frames of 20 ms; gifsicle, which would take "
        "minutes over them, is not run.",
        "",
        "| Recording | Screens | Frames | Time to write | Goal | Size | gifsicle's | Ratio | Goal |",
        "|---|---:|---:|---:|---|---:|---:|---:|---|",
    ]
    for name, what, goal in (("GrayTenMinutes", "Gray cable, 0.82 s a screen", "at most 1 s"),
                             ("ThirtyASecondTenMinutes", "30 screens a second", ""),
                             ("FullSpeedTenMinutes", "full speed, 10,000 screens a second", "")):
        entry = recorded[name]
        beside = entry["gifsicle_bytes"] > 0
        ratio = f"{entry['gif_bytes'] / entry['gifsicle_bytes']:.3f}" if beside else "—"
        theirs = f"{entry['gifsicle_bytes'] / 1000:.1f} kB" if beside else "—"
        lines.append(f"| {what} | {entry['screens']:.0f} | {entry['frames']:.0f} | {shown(ms(entry))} | {goal} | "
                     f"{entry['gif_bytes'] / 1000:.1f} kB | {theirs} | {ratio} | {'at most 1.2' if beside else ''} |")
    saving = live["LiveRecordingTenMinutesAtFullSpeed"]
    lines += [
        "",
        "Ekrano Live recording ten minutes at full speed (bench-live): 6,000,000 screens, 10,000 a second, each unlike "
        "the one before, given to its recorder on the recorder's own clock; then stopped and saved as a user saves "
        "it, the file dialog answered at once. The window's event loop is timed by a timer of 1 ms: its longest "
        "gap is how long the window did not answer.",
        "",
        "| What | Median | Goal |",
        "|---|---:|---|",
        f"| Resident memory of the process after the ten minutes | {saving['resident_mib']:.1f} MiB | |",
        f"| Of which the recording's, grown while it recorded | {saving['grown_mib']:.1f} MiB | "
        "at most an hour of 20 ms frames (about 140 MB) |",
        f"| The longest the window did not answer, from the file chosen until the GIF was written | "
        f"{shown(saving['not_answering_ms'])} | under 0.1 s |",
        f"| The same, from Ctrl+R on, the file dialog's opening included | "
        f"{shown(saving['not_answering_with_dialog_ms'])} | |",
        f"| Writing the GIF on its own thread ({saving['gif_bytes'] / 1e6:.1f} MB, scale 3) | "
        f"{saving['writing_s']:.2f} s | |",
    ]
    lines += class_rows(live) + [""]
    if grid_json and os.path.exists(grid_json):
        lines += grid_section(medians(grid_json)[1]["ClassOfThirtyUnchanging"])
    with open(output, "w") as f:
        f.write("\n".join(lines))
    print("\n".join(lines))


if __name__ == "__main__":
    main()
