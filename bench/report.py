"""Prints the one table of bench/run from the JSON files of the benchmark
programs in the folder given: medians of the repetitions, the scan set
against grep and cat, and every target with whether it was met.

Times are wall-clock ("real") and the processor time of the measuring
thread, or of the child process for grep and cat ("cpu"). The ratios to grep
and cat are judged on processor time, which other programs on a shared
machine do not inflate; every other target on real time."""

import json
import re
import os
import sys


def load(folder):
    results = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".json"):
            continue
        try:
            with open(os.path.join(folder, name)) as f:
                data = json.load(f)
        except (OSError, ValueError):
            continue  # a program that failed half-way; its failure is listed
        for b in data.get("benchmarks", []):
            key = b.get("run_name", b["name"]).removesuffix("/manual_time")
            key = re.sub(r"/iterations:\d+$", "", key)
            if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
                continue
            results[key] = b
    return results


def ms(b, field):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
    return b[field] * scale


def fmt_ms(value):
    if value is None:
        return "-"
    return f"{value:,.1f} ms" if value < 100 else f"{value:,.0f} ms"


def main(folder):
    r = load(folder)
    rows = []  # (measure, real, cpu, figures, target, met)

    def get(key):
        b = r.get(key)
        if b is None:
            rows.append((key, "-", "-", "not run", "", "?"))
            return None
        if b.get("error_occurred"):
            rows.append((key, "-", "-", "skipped: " + b.get("error_message", ""), "", "?"))
            return None
        return b

    def timed(label, key, target_ms=None, figures=""):
        b = get(key)
        if b is None:
            return None
        real, cpu = ms(b, "real_time"), ms(b, "cpu_time")
        target = f"<= {target_ms:,} ms" if target_ms else ""
        met = ("yes" if real <= target_ms else "NO") if target_ms else ""
        rows.append((label, fmt_ms(real), fmt_ms(cpu), figures, target, met))
        return b

    for w in ("W1", "W2"):
        b = r.get(f"ScanHeaders/{w}")
        figures = ""
        if b and not b.get("error_occurred"):
            figures = (f"{b['rows']:,.0f} rows, {b['bytes_per_second'] / 1e6:,.0f} MB/s, "
                       f"{b['rows_per_second'] / 1e6:,.2f} M rows/s")
        timed(f"1 ScanHeader {w}", f"ScanHeaders/{w}", figures=figures)
        # The whole load without a window: the scan and the evaluation of
        # the rows whose value is an expression.
        timed(f"1 LoadCodes {w}", f"LoadHeaders/{w}")
    for peer in ("Grep", "Cat"):
        for w in ("W1", "W2"):
            b = get(f"{peer}/{w}")
            if b is None:
                continue
            label = "grep -Ei" if peer == "Grep" else "cat >/dev/null"
            extra = f", {b['lines']:,.0f} lines" if "lines" in b else ""
            rows.append((f"  {label} {w}", fmt_ms(ms(b, "real_time")), fmt_ms(b["child_cpu"] * 1e3),
                         f"{b['bytes_per_second'] / 1e6:,.0f} MB/s{extra}", "", ""))
    scan = r.get("ScanHeaders/W2")
    for peer, limit, target in (("Grep", 1.0, "< 1 (cpu)"), ("Cat", 2.0, "<= 2 (cpu)")):
        b = r.get(f"{peer}/W2")
        if not scan or not b or scan.get("error_occurred") or b.get("error_occurred"):
            continue
        real_ratio = ms(scan, "real_time") / ms(b, "real_time")
        cpu_ratio = ms(scan, "cpu_time") / (b["child_cpu"] * 1e3)
        met = cpu_ratio < limit if limit == 1.0 else cpu_ratio <= limit
        rows.append((f"  scan W2 / {peer.lower()} W2", f"{real_ratio:.2f}x", f"{cpu_ratio:.2f}x", "", target,
                     "yes" if met else "NO"))

    timed("2 Load W1 into the window", "Load/W1", 50)
    timed("2 Load W2 into the window", "Load/W2", 1000)
    for column in ("Mnemonic", "Code", "Facility", "Severity", "N", "Header", "Line"):
        timed(f"3 Sort W2 by {column}, window", f"SortColumn/{column}", 300)
    for column in ("Mnemonic", "Code", "Facility", "Severity", "N", "Header", "Line"):
        timed(f"3 Sort W2 by {column}, ColumnOrder alone", f"ColumnOrderOfList/{column}")
    for column in ("Mnemonic", "Code", "Facility", "Severity", "N", "Header", "Line"):
        timed(f"3 Sort W2 by {column}, CompareCodeRows alone", f"SortByColumn/{column}")
    timed("4 SearchCodes W2 worst case, mnemonic", "SearchNotFound/Mnemonic", 50)
    timed("4 SearchCodes W2 worst case, code", "SearchNotFound/Code", 50)
    timed("5 Settings save, 2000 headers + 200 prefixes", "SaveLongLists")
    timed("5 Settings load, 2000 headers + 200 prefixes", "LoadLongLists")
    b = timed("6 Start-up to the first window (Xvfb)", "StartupToFirstWindow", 500)
    if b is not None:
        label, real, _, figures, target, met = rows[-1]
        rows[-1] = (label, real, fmt_ms(b["child_cpu"] * 1e3), figures, target, met)
    timed("8 View Declaration, 50 MB header of one line", "ViewDeclaration/SingleLine50MB", 1000)
    timed("8 View Declaration, 200 MB header", "ViewDeclaration/Header200MB", 1000)
    lookups = {}
    for label, key in (("0x80070005 W1", "Lookup/HexW1"), ("ERROR_ACCESS_DENIED W1", "Lookup/NameW1"),
                       ("0x80070005 built-in", "LookupBuiltIn/HexBuiltIn"),
                       ("STATUS_ACCESS_VIOLATION built-in", "LookupBuiltIn/NameBuiltIn")):
        b = get(key)
        if b is None:
            continue
        lookups[key] = b
        rows.append((f"9 vantrel-lookup {label}", fmt_ms(ms(b, "real_time")), fmt_ms(b["child_cpu"] * 1e3), "",
                     "<= 20 ms", "yes" if ms(b, "real_time") <= 20 else "NO"))
    peer = get("Errno")
    if peer is not None:
        rows.append(("  errno 5 (moreutils)", fmt_ms(ms(peer, "real_time")), fmt_ms(peer["child_cpu"] * 1e3), "", "",
                     ""))
        for key, b in lookups.items():
            real_ratio = ms(b, "real_time") / ms(peer, "real_time")
            cpu_ratio = b["child_cpu"] / peer["child_cpu"] if peer["child_cpu"] else float("inf")
            rows.append((f"  {key.split('/')[1].lower()} lookup / errno", f"{real_ratio:.2f}x",
                         f"{cpu_ratio:.2f}x", "", "<= 3 (real)", "yes" if real_ratio <= 3 else "NO"))
    many = get("LookupManyTerms")
    if many is not None:
        rows.append(("9 vantrel-lookup 100,000 terms W1", fmt_ms(ms(many, "real_time")),
                     fmt_ms(many["child_cpu"] * 1e3), f"{many['items_per_second']:,.0f} terms/s", "<= 5,000 ms",
                     "yes" if ms(many, "real_time") <= 5000 else "NO"))
    scan = get("LookupScan")
    cat = r.get("Cat/W2")
    if scan is not None:
        figures = f"{scan['lines']:,.0f} rows" if "lines" in scan else ""
        rows.append(("9 vantrel-lookup --scan W2", fmt_ms(ms(scan, "real_time")), fmt_ms(scan["child_cpu"] * 1e3),
                     figures, "", ""))
        if cat and not cat.get("error_occurred"):
            real_ratio = ms(scan, "real_time") / ms(cat, "real_time")
            cpu_ratio = scan["child_cpu"] / cat["child_cpu"]
            rows.append(("  --scan W2 / cat W2", f"{real_ratio:.2f}x", f"{cpu_ratio:.2f}x", "", "<= 1.5 (cpu)",
                         "yes" if cpu_ratio <= 1.5 else "NO"))
    annotate = get("LookupAnnotate")
    grep_log = r.get("GrepCountLog")
    if annotate is not None:
        rate = annotate["bytes_per_second"] / 1e6
        rows.append(("10 vantrel-lookup --annotate 256 MB log", fmt_ms(ms(annotate, "real_time")),
                     fmt_ms(annotate["child_cpu"] * 1e3), f"{rate:,.0f} MB/s, {annotate['lines']:,.0f} lines",
                     ">= 50 MB/s", "yes" if rate >= 50 else "NO"))
        if grep_log and not grep_log.get("error_occurred"):
            rows.append(("  grep -c 0x, same log", fmt_ms(ms(grep_log, "real_time")),
                         fmt_ms(grep_log["child_cpu"] * 1e3), f"{grep_log['bytes_per_second'] / 1e6:,.0f} MB/s",
                         "", ""))
            rows.append(("  --annotate / grep -c 0x", f"{ms(annotate, 'real_time') / ms(grep_log, 'real_time'):.2f}x",
                         f"{annotate['child_cpu'] / grep_log['child_cpu']:.2f}x" if grep_log["child_cpu"] else "-",
                         "", "", ""))
    b = get("MemoryAfterW2Load")
    if b is not None:
        rows.append(("7 Peak memory of the W2 load, per row", "", "",
                     f"{b['bytes_per_row']:,.0f} B/row: {b['text_per_row']:,.0f} text + "
                     f"{b['beyond_text_per_row']:,.0f} beyond ({b['rows']:,.0f} rows)",
                     "<= 150 B/row beyond", "yes" if b["beyond_text_per_row"] <= 150 else "NO"))

    failures = os.path.join(folder, "failures")
    if os.path.exists(failures):
        with open(failures) as f:
            for line in f:
                what, _, why = line.rstrip("\n").partition("\t")
                rows.append((what, "-", "-", "FAILED: " + why[:100], "", "NO"))

    header = ("Measure", "Real", "CPU", "Figures", "Target", "Met")
    widths = [max(len(str(row[i])) for row in rows + [header]) for i in range(len(header))]
    align = ["<", ">", ">", "<", "<", "<"]

    def line(row):
        return " | ".join(f"{str(c):{a}{w}}" for c, a, w in zip(row, align, widths)).rstrip()

    print(line(header))
    print("-+-".join("-" * w for w in widths))
    for row in rows:
        print(line(row))


if __name__ == "__main__":
    main(sys.argv[1])
