#!/usr/bin/env python3
"""Merges the JSON Lines reports of lumeno3d-cli runs into one: a line per model, sorted by its
file name (or in the order of --inputs), on standard output.

    merge-reports.py [--inputs LIST] [REPORT.jsonl ...]   (none: standard input)

A model reported more than once (a batch resumed with --skip-existing, a task run again) keeps
its last line that did the work; a line saying it was skipped stands only where no such line is.
A line that does not parse (a process killed while writing it) is left out and counted. LIST
names the models expected, one a line; those without a line are named on standard error.
Standard error ends with a count of the models done, skipped, failed and missing. The exit
status is the highest status of the models, 4 when one is missing, 5 when a line did not parse.
"""
import argparse
import json
import sys

MISSING = 4
UNREADABLE_LINE = 5


def read_lines(sources):
    for source in sources:
        stream = sys.stdin if source == "-" else open(source, encoding="utf-8")
        with stream:
            for number, text in enumerate(stream, 1):
                if text.strip():
                    yield source, number, text


def main():
    parser = argparse.ArgumentParser(description="Merges lumeno3d-cli's JSON Lines reports.")
    parser.add_argument("--inputs", help="a file naming the models expected, one a line, in the order wanted")
    parser.add_argument("reports", nargs="*", default=["-"])
    arguments = parser.parse_args()

    kept = {}  # file -> its line, parsed and as written
    unreadable = 0
    for source, number, text in read_lines(arguments.reports):
        try:
            line = json.loads(text)
            model = line["input"]["file"]
        except (ValueError, KeyError, TypeError):
            unreadable += 1
            print(f"merge-reports: {source}:{number}: not a whole report line, left out", file=sys.stderr)
            continue
        earlier = kept.get(model)
        if earlier is None or not line.get("skipped") or earlier[0].get("skipped"):
            kept[model] = (line, text.rstrip("\n") + "\n")

    if arguments.inputs:
        with open(arguments.inputs, encoding="utf-8") as names:
            order = [name.rstrip("\n") for name in names if name.strip()]
    else:
        order = sorted(kept)
    worst = 0
    missing = 0
    counts = {"done": 0, "skipped": 0, "failed": 0}
    for model in order:
        if model not in kept:
            missing += 1
            print(f"merge-reports: {model}: no report", file=sys.stderr)
            continue
        line, text = kept[model]
        sys.stdout.write(text)
        status = int(line.get("status", 0))
        worst = max(worst, status)
        counts["failed" if status else "skipped" if line.get("skipped") else "done"] += 1
    print(f"merge-reports: {len(order)} models: {counts['done']} done, {counts['skipped']} skipped, "
          f"{counts['failed']} failed, {missing} missing", file=sys.stderr)
    if unreadable:
        return UNREADABLE_LINE
    return MISSING if missing else worst


if __name__ == "__main__":
    sys.exit(main())
