# SPDX-License-Identifier: GPL-3.0-or-later
# Calendar files read back with the Python icalendar package: the moments the program prints, 80 minutes long,
# the reminder when asked for, and UIDs named after the game date, so that they stay when a recalibration by one
# game minute moves every start.
import datetime, os, shutil, subprocess, sys, tempfile
from icalendar import Calendar

folder = tempfile.mkdtemp()
program = shutil.copy(sys.argv[1], folder)
env = dict(os.environ, KELVARA_TEST_NOW="1796727600")  # 12/08/2026 12:00:00 in Berlin
run = lambda *args: subprocess.run([program, *args], env=env, check=True, capture_output=True, text=True).stdout

for day, summary, remind in [(15, "Kelvara: good moon (day 15)", 10), (7, "Kelvara: day 7", None)]:
    uids, starts = [], []
    for game_time in (b"00:00:00", b"00:01:00"):
        with open(os.path.join(folder, "OXLTIMES.DAT"), "wb") as f:
            f.write(b"11:00:00\r\n12/08/2026\r\n" + game_time + b"\r\n03/14/0004\r\n")
        lines = [line.split("\t") for line in run("--next", str(day), "--count", "5").splitlines()]
        printed = [datetime.datetime.fromisoformat(start) for start, _ in lines]
        path = os.path.join(folder, f"{day}.ics")
        run("--next", str(day), "--count", "5", "--ics", path, *(["--remind", str(remind)] if remind else []))
        events = Calendar.from_ical(open(path, "rb").read()).walk("VEVENT")
        uids.append([str(e["UID"]) for e in events])
        starts.append([e["DTSTART"].dt for e in events])
        assert uids[-1] == [f"kelvara-{d[6:]}-{d[:2]}-{d[3:5]}@kelvara-utility" for _, d in lines], uids
        for event, start in zip(events, printed, strict=True):
            begins = event["DTSTART"].dt
            assert begins == start and begins.utcoffset() == datetime.timedelta(0), (begins, start)
            assert event["DTEND"].dt - begins == datetime.timedelta(minutes=80) and event["SUMMARY"] == summary
            alarms = [a["TRIGGER"].dt for a in event.walk("VALARM")]
            assert alarms == ([datetime.timedelta(minutes=-remind)] if remind else []), alarms
    assert uids[0] == uids[1] and len(set(uids[0])) == 5 and starts[0] != starts[1], (uids, starts)
shutil.rmtree(folder)
print("calendar files read back")
