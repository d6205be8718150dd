"""Checks a screenshot of the whole-year calendar against its layout.

Usage: calendar_screenshot_check.py SHOT.ppm X Y WIDTH HEIGHT YEAR TODAY HOLIDAY PLAIN

SHOT.ppm is the screen as binary PPM; X Y WIDTH HEIGHT the window's place as
the window system reports it; TODAY, HOLIDAY and PLAIN are MM-DD days of YEAR.
The calendar was started with the settings calendar_screenshot_test.sh writes:
twelve months in rows of four, font height 20 at spacing 120 %, Sunday first.
"""
import datetime
import sys

LEFT, TOP = 60, 40
FONT = 20
SMALL = FONT * 7 // 10
ROW = SMALL * 120 // 100
MARGIN = FONT // 2
COLUMNS = 4
HEIGHT = 2 * MARGIN + 9 * ROW * 2 + 8 * ROW + ROW // 2

BACKGROUND = (30, 60, 90)
WEEKDAY = (255, 255, 255)
SUNDAY = (255, 0, 0)
TODAY = (0, 200, 0)


def read_screen(path):
    """Width, height and pixels; ImageMagick writes the header as "P6\nW H\n255\n"."""
    with open(path, "rb") as f:
        magic, size, depth, data = f.read().split(b"\n", 3)
    if magic != b"P6" or depth != b"255":
        raise SystemExit("not an 8-bit binary PPM")
    width, height = map(int, size.split())
    return width, height, data


def colours(screen, left, top, right, bottom):
    width, height, data = screen
    found = {}
    for y in range(max(top, 0), min(bottom, height)):
        for x in range(max(left, 0), min(right, width)):
            i = (y * width + x) * 3
            c = tuple(data[i:i + 3])
            found[c] = found.get(c, 0) + 1
    return found


def day_cell(year, month, day, column_width):
    index = month - 1
    x = MARGIN + index % COLUMNS * (7 * column_width + MARGIN)
    y = MARGIN + index // COLUMNS * 9 * ROW
    lead = (datetime.date(year, month, 1).isoweekday()) % 7  # Sunday = 0
    slot = lead + day - 1
    left = LEFT + x + slot % 7 * column_width
    top = TOP + y + (slot // 7 + 2) * ROW
    return left, top, left + column_width, top + ROW


def main(argv):
    failures = []

    def expect(ok, what):
        if not ok:
            failures.append(what)

    screen = read_screen(argv[1])
    x, y, width, height = (int(v) for v in argv[2:6])
    year = int(argv[6])
    today, holiday, plain = ([int(p) for p in v.split("-")] for v in argv[7:10])

    expect((x, y) == (LEFT, TOP), f"window at ({x}, {y}), expected ({LEFT}, {TOP})")
    expect(height == HEIGHT, f"window height {height}, expected {HEIGHT}")
    inner = width - (COLUMNS + 1) * MARGIN
    expect(inner > 0 and inner % (7 * COLUMNS) == 0,
           f"window width {width} is not {COLUMNS + 1} margins and {7 * COLUMNS} columns")
    column = max(inner // (7 * COLUMNS), 1)

    # The margins hold nothing but the background.
    for strip in ((x, y, x + width, y + MARGIN), (x, y, x + MARGIN, y + height),
                  (x + width - MARGIN, y, x + width, y + height)):
        seen = colours(screen, *strip)
        expect(set(seen) == {BACKGROUND}, f"margin {strip} holds {sorted(seen)[:4]}")
    # Beyond the window is the desktop, not the calendar's background.
    outside = colours(screen, x + width + 2, y, x + width + 12, y + 10)
    expect(BACKGROUND not in outside, "the background reaches past the window's right edge")

    def cell_colours(month, day, grow=0):
        left, top, right, bottom = day_cell(year, month, day, column)
        return colours(screen, left - grow, top - grow, right + grow, bottom + grow)

    seen = cell_colours(*holiday)
    expect(seen.get(SUNDAY, 0) >= 5, f"holiday {holiday} not in the Sunday colour")
    expect(WEEKDAY not in seen, f"holiday {holiday} holds the weekday colour")
    seen = cell_colours(*plain)
    expect(seen.get(WEEKDAY, 0) >= 5, f"plain day {plain} not in the weekday colour")
    expect(SUNDAY not in seen, f"plain day {plain} holds the Sunday colour")
    # The mark is drawn from a pixel above the cell and may reach past it.
    seen = cell_colours(*today, grow=3)
    expect(seen.get(TODAY, 0) >= 10, f"no today mark at {today}")
    if today != plain:
        expect(TODAY not in cell_colours(*plain), f"a today mark on {plain}")

    for failure in failures:
        print("calendar_screenshot_check:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
