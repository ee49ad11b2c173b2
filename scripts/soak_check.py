#!/usr/bin/env python3
"""Checks one soak run of tavexo-sim: the JSON summary (every counter adds
up) and, when given, a trace (every box's capital follows from its results,
round by round and over each 10000-round run, nothing NaN or infinite).

    soak_check.py SUMMARY.json [TRACE.jsonl START_CAPITAL]

Prints one line per problem and exits 1 when there is any."""
import json
import math
import sys

BLOCK_ROUNDS = 10000
problems = []


def check(condition, text):
    if not condition:
        problems.append(text)


def finite(value):
    return isinstance(value, (int, float)) and math.isfinite(value)


def numbers(value, where):
    """Every number inside a summary field, with where it sits; labels
    (strings) are text, not numbers."""
    if isinstance(value, dict):
        for key, inner in value.items():
            yield from numbers(inner, f"{where}.{key}")
    elif isinstance(value, list):
        for i, inner in enumerate(value):
            yield from numbers(inner, f"{where}[{i}]")
    elif not isinstance(value, str):
        yield where, value


def check_summary(path):
    with open(path) as f:
        summary = json.load(f)
    boxes = summary["boxes"]
    check(len(boxes) == 7, f"{len(boxes)} boxes in the summary, not 7")
    for box in boxes:
        name = f"box {box['box']}"
        for key, value in box.items():
            if key != "buckets":
                for where, number in numbers(value, key):
                    check(finite(number), f"{name}: {where} is {number}")
        check(box["games"] <= summary["rounds"], f"{name}: {box['games']} games in {summary['rounds']} rounds")
        check(abs(box["won"] + box["lost"] - box["result"]) < 0.01,
              f"{name}: won {box['won']} + lost {box['lost']} != result {box['result']}")
        outcomes = sum(box[k] for k in ("wins", "losses", "pushes", "busts", "blackjacks", "surrenders"))
        check(outcomes == box["hands"], f"{name}: outcomes add up to {outcomes}, hands {box['hands']}")
        check(box["hands"] == box["games"] + box["splits"],
              f"{name}: {box['hands']} hands from {box['games']} games and {box['splits']} splits")
        buckets = box["buckets"]
        check(sum(b["games"] for b in buckets) == box["games"], f"{name}: bucket games do not add up")
        check(abs(sum(b["result"] for b in buckets) - box["result"]) < 0.01,
              f"{name}: bucket results do not add up")
        for b in buckets:
            check(finite(b["result"]), f"{name} bucket {b['bucket']}: result {b['result']}")
        # The rounds by the count at the bet are the box's games once more.
        bins = box.get("bet_count_bins", [])
        if bins:
            check(sum(b["rounds"] for b in bins) == box["games"],
                  f"{name}: bet count bins hold {sum(b['rounds'] for b in bins)} rounds, games {box['games']}")
    return summary


def check_trace(path, start_capital):
    capital = {}
    block_result = {}
    lines = 0
    with open(path) as f:
        for line in f:
            record = json.loads(line)
            if "shoe" in record:
                continue
            lines += 1
            box, rnd = record["box"], record["round"]
            block = (rnd - 1) // BLOCK_ROUNDS
            key = (block, box)
            for field in ("stake", "result", "capital", "snapshot"):
                check(finite(record[field]), f"round {rnd} box {box}: {field} is {record[field]}")
            before = capital.get(key, start_capital)
            check(abs(before + record["result"] - record["capital"]) < 0.01,
                  f"round {rnd} box {box}: {before} + {record['result']} != capital {record['capital']}")
            check(record["capital"] >= 0, f"round {rnd} box {box}: capital {record['capital']} below zero")
            capital[key] = record["capital"]
            block_result[key] = block_result.get(key, 0.0) + record["result"]
    for key, result in block_result.items():
        check(abs(start_capital + result - capital[key]) < 0.01,
              f"run {key[0] + 1} box {key[1]}: start + result != capital at its end")
    return lines


def main():
    if len(sys.argv) not in (2, 4):
        print(__doc__, file=sys.stderr)
        return 2
    summary = check_summary(sys.argv[1])
    text = f"{summary['rounds']} rounds"
    if len(sys.argv) == 4:
        text += f", {check_trace(sys.argv[2], float(sys.argv[3]))} traced box-rounds"
    for problem in problems[:20]:
        print("  " + problem)
    print(f"  {text}: {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
