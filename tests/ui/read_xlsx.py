#!/usr/bin/python3
"""Prints what a spreadsheet program would read from an .xlsx file, as JSON:
the sheet names, and for every filled cell of the first sheet its value,
number format and horizontal alignment, plus the column widths."""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
cells = {}
for row in sheet.iter_rows():
    for cell in row:
        if cell.value is None and cell.number_format == "General":
            continue
        cells[cell.coordinate] = {
            "value": cell.value,
            "format": cell.number_format,
            "align": cell.alignment.horizontal,
        }
widths = {key: dim.width for key, dim in sheet.column_dimensions.items()}
json.dump({"sheets": book.sheetnames, "rows": sheet.max_row, "columns": sheet.max_column,
           "cells": cells, "widths": widths}, sys.stdout, ensure_ascii=False)
