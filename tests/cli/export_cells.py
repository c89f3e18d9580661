#!/usr/bin/env python3
"""Compares a spreadsheet export, as LibreOffice read it (CSV), cell by cell with what the result
holds (`scx dump` of the .rst): the title, one heading, caption row and numbered record rows per
item. LibreOffice places the tables of the sheet on one grid, so empty cells are left out of both
sides; numbers are compared by value ("001" reads as 1)."""
import csv
import sys

CAPTIONS = {
    "sw": ["순번", "회사(부서)명", "사용자명", "컴퓨터명", "IP", "실행파일명", "파일경로", "설치일", "최종사용일", "제품시리얼", "PC종류"],
    "pc": ["순번", "구분", "유형", "저작권사", "프로그램명", "실팽파일명", "파일경로", "설치일", "최종사용일", "제품시리얼", "비고"],
}
TYPES = {"0": "상용", "1": "쉐어", "2": "프리", "3": "폰트", "4": "Conditional"}
KINDS = {"0": "브랜드", "1": "조립"}


def sections(dump_path):
    tables, name, columns = {}, None, None
    for line in open(dump_path, encoding="utf-8"):
        line = line.rstrip("\r\n")
        if line.startswith("#"):
            name, columns = line.split(" ")[0], None
            tables[name] = []
        elif not line:
            name = None
        elif name and columns is None:
            columns = line.split("\t")
        elif name:
            tables[name].append(dict(zip(columns, line.split("\t"))))
    return tables


def expected_rows(tables, kind, rows):
    pcs, sws, records = tables["#USERINFO"], tables["#SWLIST"], tables["#PCHISTORY"]
    pc_by_id = {p["ID"]: p for p in pcs}
    sw_by_id = {s["ID"]: s for s in sws}
    title = "SW별 설치내역" if kind == "sw" else "PC별 설치내역"
    out = [[title]]
    items = sws if kind == "sw" else pcs
    for index in rows if rows is not None else range(len(items)):
        item = items[index]
        if kind == "sw":
            out.append([item["COMPANY"] + " " + item["PRODUCT"]])
        else:
            out.append([item["USER_NAME"] + " " + item["PC_IP"]])
        out.append(CAPTIONS[kind])
        n = 0
        for r in records:
            if kind == "sw" and r["SW_ID"] == item["ID"] and r["USER_ID"] in pc_by_id:
                p = pc_by_id[r["USER_ID"]]
                n += 1
                out.append(["%03d" % n, p["GROUP_NAME"], p["USER_NAME"], p["PC_NAME"], p["PC_IP"], r["EXE_FILE"],
                            r["PATH"], r["INSTALL_DATE"], r["CREATE_DATE"], r["SERIAL_NO"], KINDS.get(p["PC_KINDS"], "-")])
            elif kind == "pc" and r["USER_ID"] == item["ID"] and r["SW_ID"] in sw_by_id:
                s = sw_by_id[r["SW_ID"]]
                n += 1
                out.append(["%03d" % n, s["GUBUN"], TYPES.get(s["SW_TYPE"], "-"), s["COMPANY"], s["PRODUCT"],
                            r["EXE_FILE"], r["PATH"], r["INSTALL_DATE"], r["CREATE_DATE"], r["SERIAL_NO"],
                            "" if s["ETC"] == "-" else s["ETC"]])
    return [[c for c in row if c != ""] for row in out]


def same(want, got):
    if want.isdigit() and got.isdigit():
        return int(want) == int(got)
    return want == got


def main():
    dump_path, kind, csv_path = sys.argv[1:4]
    rows = [int(x) for x in sys.argv[4].split(",")] if len(sys.argv) > 4 else None
    want = expected_rows(sections(dump_path), kind, rows)
    with open(csv_path, encoding="utf-8", newline="") as f:
        got = [[c for c in row if c != ""] for row in csv.reader(f)]
    got = [row for row in got if row]
    errors = []
    for i in range(max(len(want), len(got))):
        w = want[i] if i < len(want) else None
        g = got[i] if i < len(got) else None
        if w is None or g is None or len(w) != len(g) or not all(same(a, b) for a, b in zip(w, g)):
            errors.append("row %d: want %r, got %r" % (i + 1, w, g))
    cells = sum(len(r) for r in want)
    if errors:
        print("%s: %d of %d rows differ" % (csv_path, len(errors), len(want)))
        print("\n".join(errors[:20]))
        return 1
    print("%s: %d rows, %d cells as expected" % (csv_path, len(want), cells))
    return 0


if __name__ == "__main__":
    sys.exit(main())
