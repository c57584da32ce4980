"""Turns the benchmark's raw measurements into the table and the ratios, printed and written
to a Markdown results file.

    python3 report.py <raw.tsv> <results.md> --repetitions N --wine V --nsis V --cores N
                      --i386 native|emulated --smoke 0|1

raw.tsv holds one measurement a line: figure, program, value (tab-separated). With --smoke 1
every expected figure must be present; a missing one fails the run."""
import argparse
import datetime
import statistics
import sys
from collections import defaultdict

# (figure, unit, programs) in the order of the table.
FIGURES = [
    ("stub-bytes", "bytes", ["nelvar-setup", "nsis-default", "nsis-nocompress", "floor"]),
    ("first-window-ms", "ms", ["bench-floor", "nelvar-setup", "nsis-default", "nsis-nocompress",
                               "nelvar-setup-4m5", "nelvar-setup-64m", "nelvar-setup-64m-aligned"]),
    ("rss-kib", "KiB", ["bench-floor", "nelvar-setup", "nsis-default", "nsis-nocompress",
                        "nelvar-setup-4m5", "nelvar-setup-64m", "nelvar-setup-64m-aligned"]),
    ("anon-kib", "KiB", ["bench-floor", "nelvar-setup", "nsis-default", "nsis-nocompress",
                         "nelvar-setup-4m5", "nelvar-setup-64m", "nelvar-setup-64m-aligned"]),
    ("installed-bytes", "bytes", ["sample", "4m5", "64m", "256m"]),
    ("raw-writes-ms", "ms", ["sample", "4m5", "64m", "256m"]),
    ("install-steps-ms", "ms", ["sample", "4m5", "64m", "256m"]),
    ("removals-ms", "ms", ["sample", "4m5", "64m", "256m"]),
    ("directory-and-writes-ms", "ms", ["sample", "4m5", "64m", "256m"]),
    ("shortcut-ms", "ms", ["sample", "4m5", "64m", "256m"]),
    ("wait-before-writing-cpu-ms", "ms", ["sample"]),
    ("wait-before-writing-wall-ms", "ms", ["sample"]),
    ("wait-before-finishing-cpu-ms", "ms", ["sample"]),
    ("wait-before-finishing-wall-ms", "ms", ["sample"]),
    ("exe-bytes", "bytes", ["nelvar-setup-4m5", "nelvar-setup-64m", "nelvar-setup-64m-aligned", "nelvar-setup-256m"]),
]


NOTES = """## How to read this

- Every figure comes from one run, interleaved: the first-window driver starts each program in
  turn, the order turning by one each round; the install-work program alternates raw writes and
  the setup program's steps. Where 32-bit code runs under qemu-i386, absolute times are slow and
  noisy; the ratios against the floor and against the raw writes, taken in the same run, are what
  counts.
- Stub overhead: nelvar-setup.exe less its seven payload files and its two agreement texts;
  NSIS: the installer built from the same script without its File commands (its licence texts,
  stored in UTF-8, are still in it); floor: the whole bare program.
- First window: from CreateProcess to the first visible top-level window of the process
  (EnumWindows / IsWindowVisible, QueryPerformanceCounter), measured by a 32-bit driver under
  Wine. The floor runs with its argument "hold", so that it stays open for the memory reading.
- Memory: VmRSS and RssAnon of the program's Linux process at its first window. Under qemu-i386
  that process includes the emulator itself (its translated-code cache and its own heap), so
  only the differences between programs mean something.
- Install work: RemoveInstalledFiles and PlaceInstalledFiles (the six removals, the install
  directory, the six writes and the desktop shortcut) linked from the program's own library and
  run on its embedded payload (the files are in place, so the removals delete them), against CreateDirectoryA and six CreateFileA / WriteFile /
  CloseHandle of the same bytes. The payload variants (sample, 4m5, 64m, 256m) run one after
  another, each in its own process. The parts (removals, directory and writes, shortcut) are
  timed in a second pass of the same steps in each repetition.
- The waits: WaitDispatchingMessages(500) and (3000) in a process with no window, process CPU
  time (GetProcessTimes) against wall time.

- nelvar-setup-64m-aligned is a diagnostic build of the 64 MB program linked with
  -Wl,--file-alignment=0x1000, so that every section starts at a page-aligned file offset.

## Not measured yet

- Memory at the finish window (the first window only).
- The NSIS installer's install work and waits (it has no comparable steps to time from outside).
"""


def number(value):
    return f"{value:,.0f}" if abs(value) >= 100 else f"{value:.2f}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("raw")
    parser.add_argument("results")
    for option in ("--repetitions", "--wine", "--nsis", "--cores", "--i386", "--smoke"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()

    data = defaultdict(list)
    with open(args.raw) as f:
        for line in f:
            figure, program, value = line.rstrip("\n").split("\t")
            data[(figure, program)].append(float(value))

    missing = [f"{figure} / {program}" for figure, _, programs in FIGURES for program in programs
               if not data.get((figure, program))]
    if missing:
        print("Not measured: " + ", ".join(missing), file=sys.stderr)
        if args.smoke == "1":
            sys.exit(1)

    def median(figure, program):
        return statistics.median(data[(figure, program)])

    rows = ["| Figure | Program | n | min | median | max |", "|---|---|---:|---:|---:|---:|"]
    for figure, unit, programs in FIGURES:
        for program in programs:
            values = data.get((figure, program))
            if not values:
                rows.append(f"| {figure} ({unit}) | {program} | 0 | – | – | – |")
                continue
            rows.append(f"| {figure} ({unit}) | {program} | {len(values)} | {number(min(values))} | "
                        f"{number(statistics.median(values))} | {number(max(values))} |")

    ratios = ["| Ratio (medians) | Value | Target | Holds |", "|---|---:|---|---|"]

    def ratio(name, compute, target="", check=None):
        try:
            value = compute()
        except (KeyError, statistics.StatisticsError, ZeroDivisionError):
            ratios.append(f"| {name} | not measured | {target} | – |")
            return
        holds = "" if check is None else ("yes" if check(value) else "**no**")
        ratios.append(f"| {name} | {value:.2f} | {target} | {holds} |")

    kib, mib = 1024.0, 1024.0
    ratio("stub overhead, nelvar-setup (KiB)", lambda: median("stub-bytes", "nelvar-setup") / kib,
          "≤ 64", lambda v: v <= 64)
    ratio("stub overhead, NSIS compressed (KiB)", lambda: median("stub-bytes", "nsis-default") / kib)
    ratio("stub overhead, NSIS uncompressed (KiB)", lambda: median("stub-bytes", "nsis-nocompress") / kib)
    ratio("stub overhead, floor (KiB)", lambda: median("stub-bytes", "floor") / kib)
    for program, target, check in [("nelvar-setup", "≤ 1.25", lambda v: v <= 1.25),
                                   ("nsis-default", "(NSIS: about 1.5–1.7)", None),
                                   ("nsis-nocompress", "", None),
                                   ("nelvar-setup-4m5", "", None), ("nelvar-setup-64m", "", None)]:
        ratio(f"first window, {program} / floor",
              lambda p=program: median("first-window-ms", p) / median("first-window-ms", "bench-floor"), target, check)
    for variant in ["sample", "4m5", "64m", "256m"]:
        ratio(f"install work / raw writes, {variant} payload",
              lambda v=variant: median("install-steps-ms", v) / median("raw-writes-ms", v),
              "≤ 1.5", lambda v: v <= 1.5)
    for variant in ["sample", "256m"]:
        ratio(f"directory and writes alone / raw writes, {variant} payload",
              lambda v=variant: median("directory-and-writes-ms", v) / median("raw-writes-ms", v))
    for program, target, check in [("nelvar-setup", "≤ 2", lambda v: v <= 2),
                                   ("nsis-default", "(NSIS: about 5.4)", None), ("nsis-nocompress", "", None)]:
        ratio(f"resident memory, {program} − floor (MiB)",
              lambda p=program: (median("rss-kib", p) - median("rss-kib", "bench-floor")) / mib, target, check)
    ratio("anonymous memory, 64 MB − 4.5 MB payload (MiB)",
          lambda: (median("anon-kib", "nelvar-setup-64m") - median("anon-kib", "nelvar-setup-4m5")) / mib,
          "within ±1", lambda v: abs(v) <= 1)
    ratio("anonymous memory, 64 MB page-aligned build − sample payload (MiB)",
          lambda: (median("anon-kib", "nelvar-setup-64m-aligned") - median("anon-kib", "nelvar-setup")) / mib)
    ratio("resident memory, 64 MB − 4.5 MB payload (MiB)",
          lambda: (median("rss-kib", "nelvar-setup-64m") - median("rss-kib", "nelvar-setup-4m5")) / mib)
    for wait in ["before-writing", "before-finishing"]:
        ratio(f"CPU time / wall time, wait {wait}",
              lambda w=wait: median(f"wait-{w}-cpu-ms", "sample") / median(f"wait-{w}-wall-ms", "sample"))

    header = [
        "# Benchmark results",
        "",
        f"- Date: {datetime.datetime.now(datetime.timezone.utc).strftime('%Y-%m-%d %H:%M UTC')}",
        f"- Wine: {args.wine}; NSIS: {args.nsis}; cores: {args.cores}",
        f"- 32-bit code ran: {'natively' if args.i386 == 'native' else 'under qemu-i386 (this kernel cannot run 32-bit code)'}",
        f"- Repetitions: {args.repetitions}{' (smoke run)' if args.smoke == '1' else ''}",
        "",
    ]
    text = "\n".join(header + ["## Ratios", ""] + ratios + ["", "## Measurements", ""] + rows) + "\n"
    print(text)
    with open(args.results, "w") as f:
        f.write(text)
        f.write("\n" + NOTES)


if __name__ == "__main__":
    main()
