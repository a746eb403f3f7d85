"""Readable source of the sample machine's definition tables (model VK-2300).

Every mode, digital, selection, signal and function the program learns at start-up
is written down here once; tools/make_definitions.py turns it into Set01.e ... Set07.e
and tools/make_samples.py takes the factory defaults from it.

Addresses are byte offsets inside one 8192-byte parameter table. Each mode owns a block;
digitals inside a block are laid out in the order written, 2-byte values on even offsets
(the controller reads words from even addresses), so a block may contain gap bytes that
no definition names. A digital may pin its own address with addr=.

Bounds: an int, or the exact name of another NUM digital (the bound then follows that
digital's value). SEL digitals carry no numeric bounds: the editor's range rule would
otherwise try to parse their selection texts as numbers.
"""

from dataclasses import dataclass, field
from typing import List, Optional, Tuple, Union

Bound = Union[int, str]


@dataclass
class Digital:
    name: str
    kind: str  # "NUM" or "SEL"
    advice: str
    unit: str = ""
    low: Optional[Bound] = None
    high: Optional[Bound] = None
    detail: str = ""
    size: int = 1
    default: int = 0
    selections: List[Tuple[str, int]] = field(default_factory=list)
    addr: Optional[int] = None
    hex_addr: bool = False  # write the address as "&H..." in Set02.e


def num(name, unit, low, high, advice, detail="", size=1, default=None, addr=None, hex_addr=False):
    if default is None:
        default = low if isinstance(low, int) else 0
    return Digital(name, "NUM", advice, unit, low, high, detail, size, default, [], addr, hex_addr)


def sel(name, advice, choices, detail="", size=1, default=None, unit="", addr=None, hex_addr=False):
    pairs = [(c, i) if isinstance(c, str) else c for i, c in enumerate(choices)]
    if default is None:
        default = pairs[0][1]
    return Digital(name, "SEL", advice, unit, None, None, detail, size, default, pairs, addr, hex_addr)


def onoff(name, advice, detail="", default=0, addr=None, hex_addr=False):
    # The editor recognises an ON/OFF switch only by these two texts in this order.
    return Digital(name, "SEL", advice, "", None, None, detail, 1, default, [("OF", 0), ("ON", 1)], addr, hex_addr)


SPECIAL_EN = "SPECIAL"
MANUFACTURER_EN = "MANUFACTURER"
SPECIAL_JA = "特殊"
MANUFACTURER_JA = "メーカー"

# (mode name, first address of its block, block length, digitals)
MODES = [
    ("MACHINE", 0x0020, 0x60, [
        sel("MACHTYP", "Machine type", ["S", "H", "L"],
            "S: standard material<RETURN>H: heavy material<RETURN>L: light material"),
        sel("HEADTYP", "Sewing head", ["STD", "LONG", "CYL"], "Sewing head fitted on the table.", default=1),
        num("AREAX", "mm", 10, 400, "Sewing area X", "Width of the sewing area.<RETURN>Limits every pattern in X.",
            size=2, default=300),
        num("AREAY", "mm", 10, 300, "Sewing area Y", "Depth of the sewing area.<RETURN>Limits every pattern in Y.",
            size=2, default=200),
        num("ORGX", "mm", 0, "AREAX", "Origin position X", "Mechanical origin from the left edge of the area.<RETURN>"
            "Cannot exceed the sewing area X.", size=2, default=150),
        num("ORGY", "mm", 0, "AREAY", "Origin position Y", "Mechanical origin from the front edge of the area.<RETURN>"
            "Cannot exceed the sewing area Y.", size=2, default=100),
        sel("MOTOR", "Main motor", ["AC", "SERVO", "DD"], "DD: direct drive motor.", default=1),
        num("PULLEY", "%", 50, 200, "Pulley ratio", "Motor pulley against machine pulley, in percent.", default=100),
        sel("NDLSTOP", "Needle stop position", ["UP", "DOWN"], "Needle position at a temporary stop."),
        num("UPPOS", "deg", 0, 359, "Needle up stop angle", "Angle of the main shaft at the needle up stop.",
            size=2, default=70),
        num("DNPOS", "deg", 0, 359, "Needle down stop angle", "Angle of the main shaft at the needle down stop.",
            size=2, default=250),
        sel("PWRON", "Action at power on", ["NONE", "ORIGIN", "LAST"],
            "NONE: wait for the start switch<RETURN>ORIGIN: search the origin<RETURN>LAST: return to the last point",
            default=1),
        onoff("ORGRET", "Origin return after sewing", "Returns the clamp to the origin after every pattern.", 1),
        sel("ORGSEQ", "Origin search order", ["XY", "YX", "X", "Y"], "Axis order of the origin search."),
        onoff("BUZZER", "Buzzer", "Sounds the buzzer on errors and count-up.", 1),
        num("BUZVOL", "", 0, 10, "Buzzer volume", "0 mutes the buzzer.", default=5),
        sel("LANG", "Panel language", ["JPN", "ENG", "CHN"], "Language of the operation panel.", default=1),
        sel("LENUNIT", "Length unit", ["MM", "INCH"], "Unit of lengths shown on the panel."),
        sel("EMGMODE", "Emergency stop action", ["STOP", "UP", "TRIM"],
            "STOP: stop at once<RETURN>UP: stop at needle up<RETURN>TRIM: trim, then stop"),
        onoff("SAFESW", "Safety switch check", "Checks the safety switch before every start.", 1),
        onoff("AIRCHK", "Air pressure check", "Stops with an alarm when the air pressure falls.", 1),
        num("AIRDLY", "ms", 0, 5000, "Air pressure check delay", "Time the pressure may stay low before the alarm.",
            size=2, default=500),
        onoff("LAMP", "Work lamp at power on", "Switches the work lamp on at power on."),
        num("SLEEP", "min", 0, 120, "Sleep timer", "0: the machine never sleeps.", default=30),
        num("OILCNT", "h", 0, 2000, "Oiling interval", "Hours of sewing between two oiling warnings.",
            size=2, default=400),
    ]),
    ("SEWING", 0x0080, 0x80, [
        sel("SEWMODE", "Sewing mode", ["PATTERN", "MANUAL", "STEP"], "PATTERN: sew a stored pattern<RETURN>"
            "MANUAL: feed by the jog keys<RETURN>STEP: one stitch per start"),
        onoff("SOFTST", "Soft start", "縫い始めの数針を低速で縫います。<RETURN>ソフトスタートの針数は SSNUM で設定します。", 1),
        num("SSNUM", "針", 0, 5, "Soft start stitches", "Stitches sewn at the soft start speeds (0～5).", default=2),
        num("SS1SPD", "rpm", "SPDMIN", "SPDMAX", "Soft start speed 1st stitch",
            "Speed of the first stitch.<RETURN>Between the minimum and the maximum speed.", size=2, default=400),
        num("SS2SPD", "rpm", "SPDMIN", "SPDMAX", "Soft start speed 2nd stitch", "Speed of the second stitch.",
            size=2, default=600),
        num("SS3SPD", "rpm", "SPDMIN", "SPDMAX", "Soft start speed 3rd stitch", "Speed of the third stitch.",
            size=2, default=800),
        num("SS4SPD", "rpm", "SPDMIN", "SPDMAX", "Soft start speed 4th stitch", "Speed of the fourth stitch.",
            size=2, default=1000),
        num("SS5SPD", "rpm", "SPDMIN", "SPDMAX", "Soft start speed 5th stitch", "Speed of the fifth stitch.",
            size=2, default=1200),
        onoff("TACKST", "Start tack", "Sews a tack at the start of the pattern."),
        num("TACKSTN", "針", 0, 5, "Start tack stitches", "Stitches of the start tack.", default=2),
        onoff("TACKED", "End tack", "Sews a tack at the end of the pattern."),
        num("TACKEDN", "針", 0, 5, "End tack stitches", "Stitches of the end tack.", default=2),
        num("CONDN", "針", 0, 9, "Condensed stitches", "Condensed stitches at the start and the end.", default=0),
        num("CONDP", "0.1mm", 1, 30, "Condensed stitch pitch", "Pitch of the condensed stitches.", default=5),
        num("PITCHMX", "0.1mm", 1, 127, "Maximum stitch pitch", "Longer stitches are split.", default=50),
        sel("JUMPSPD", "Jump feed speed", ["LOW", "MID", "HIGH"], "Speed of the clamp during a jump.", default=2),
        onoff("JUMPTRM", "Trim before jump", "Trims the thread before every jump longer than 10 mm."),
        sel("MIRROR", "Mirror", ["NONE", "X", "Y", "XY"], "Mirrors the pattern about the origin."),
        num("SCALEX", "%", 1, 400, "Scale X", "Enlarges or reduces the pattern in X.", size=2, default=100),
        num("SCALEY", "%", 1, 400, "Scale Y", "Enlarges or reduces the pattern in Y.", size=2, default=100),
        num("ROTATE", "deg", 0, 359, "Rotation", "Rotates the pattern about the origin.", size=2, default=0),
        num("REPEAT", "回", 1, 99, "Pattern repeat", "Times the pattern is sewn per start.", default=1),
        num("PATNO", "", 1, 999, "Pattern number at start", "Pattern selected at power on.", size=2, default=1),
        sel("PATSEL", "Pattern selection", ["PANEL", "EXT"], "EXT: the pattern number comes from the inputs."),
        onoff("NDLCOOL", "Needle cooler", "Blows air on the needle while sewing."),
        onoff("STOPUP", "Needle up at temporary stop", "Raises the needle at a temporary stop.", 1),
        onoff("STOPPF", "Clamp up at temporary stop", "Raises the clamp at a temporary stop."),
        sel("RESTRT", "Restart after stop", ["CONT", "BACK", "ORIGIN"],
            "CONT: go on where stopped<RETURN>BACK: go back BACKSTN stitches<RETURN>ORIGIN: start again"),
        num("BACKSTN", "針", 0, 99, "Stitches back at restart", "Used when the restart is BACK.", default=3),
    ]),
    ("SPEED", 0x0100, 0x40, [
        num("SPDMAX", "rpm", "SPDMIN", 2800, "Maximum sewing speed",
            "Highest speed of the main shaft.<RETURN>Cannot be set below the minimum speed.", size=2, default=2500),
        num("SPDMIN", "rpm", 100, "SPDMAX", "Minimum sewing speed",
            "Lowest speed of the main shaft.<RETURN>Cannot be set above the maximum speed.", size=2, default=200),
        num("SPDST", "rpm", "SPDMIN", "SPDMAX", "Start speed", "Speed after the soft start.", size=2, default=1500),
        num("SPDTRIM", "rpm", 100, 400, "Trimming speed", "Speed while the thread is trimmed.", size=2, default=250),
        num("SPDLOW", "rpm", 100, 800, "Low speed", "Speed of the low speed switch.", size=2, default=400),
        num("SPDL3", "rpm", "SPDMIN", "SPDMAX", "Speed limit at 3 mm pitch", "", size=2, default=2500),
        num("SPDL4", "rpm", "SPDMIN", "SPDMAX", "Speed limit at 4 mm pitch", "", size=2, default=2300),
        num("SPDL5", "rpm", "SPDMIN", "SPDMAX", "Speed limit at 5 mm pitch", "", size=2, default=2000),
        num("SPDL6", "rpm", "SPDMIN", "SPDMAX", "Speed limit at 6 mm pitch", "", size=2, default=1800),
        num("SPDL7", "rpm", "SPDMIN", "SPDMAX", "Speed limit at 7 mm pitch", "", size=2, default=1600),
        num("SPDL8", "rpm", "SPDMIN", "SPDMAX", "Speed limit at 8 mm pitch", "", size=2, default=1400),
        num("SPDL10", "rpm", "SPDMIN", "SPDMAX", "Speed limit at 10 mm pitch", "", size=2, default=1200),
        num("SPDL12", "rpm", "SPDMIN", "SPDMAX", "Speed limit at 12.7 mm pitch",
            "Longest pitch of the feed.<RETURN>The feed needs the whole needle-up time here.", size=2, default=1000),
        num("ACCEL", "", 1, 10, "Acceleration", "1: softest, 10: hardest.", default=6),
        num("DECEL", "", 1, 10, "Deceleration", "1: softest, 10: hardest.", default=6),
        sel("SLOWST", "Start curve", ["LINEAR", "S-CURVE"], "Shape of the speed curve at the start.", default=1),
        sel("PEDALC", "Pedal curve", ["LINEAR", "SOFT", "HARD"], "Speed against pedal stroke."),
        num("THICKSP", "rpm", "SPDMIN", "SPDMAX", "Thick material speed", "Speed while the thick material input is on.",
            size=2, default=1200),
        sel("SPDDISP", "Speed display", ["RPM", "SPM"], "Unit of the speed on the panel."),
        num("JOGSPD", "", 1, 5, "Jog speed", "Speed of the clamp under the jog keys.", default=3),
    ]),
    ("PRESSER", 0x0140, 0x40, [
        sel("PFTYPE", "Work clamp", ["SINGLE", "SPLIT", "2-STEP"],
            "SINGLE: one clamp<RETURN>SPLIT: left and right clamp<RETURN>2-STEP: clamp with a middle position"),
        sel("PFDOWN", "Clamp lowering", ["PEDAL", "AUTO"], "AUTO: the clamp lowers when the work is detected."),
        sel("PFUP", "Clamp after sewing", ["AUTO", "PEDAL", "HOLD"], "When the clamp rises after the pattern."),
        num("PFDLY", "ms", 0, 990, "Clamp down delay", "Wait after the clamp is down before the start.",
            size=2, default=100),
        num("PFUPDLY", "ms", 0, 990, "Clamp up delay", "Wait after trimming before the clamp rises.",
            size=2, default=50),
        onoff("PFSEP", "Left and right clamp apart", "Lowers the left and right clamp by separate pedals."),
        sel("PFORDER", "Clamp order", ["L-R", "R-L", "SAME"], "Order of the split clamps."),
        onoff("PFHOLD", "Hold clamp at origin return", "Keeps the clamp down while returning to the origin."),
        onoff("INTPF", "Intermediate presser", "Uses the intermediate presser.", 1),
        num("INTPFH", "0.1mm", 0, 70, "Intermediate presser height", "Height above the throat plate while sewing.",
            default=20),
        num("INTPFLO", "0.1mm", 0, "INTPFH", "Intermediate presser lower limit",
            "Lowest height of the intermediate presser.<RETURN>Cannot exceed the height while sewing.", default=5),
        num("INTPFS", "0.1mm", 0, 70, "Intermediate presser stroke", "Stroke of the intermediate presser.",
            default=35),
        num("PFPRESS", "", 1, 9, "Clamp pressure", "1: weakest, 9: strongest.", default=5),
        num("PFWAIT", "0.1s", 0, 99, "Wait before clamp up", "", default=0),
        onoff("PFSAFE", "Clamp safety", "The clamp does not lower while the safety input is off.", 1),
        sel("PFPEDAL", "Clamp pedal", ["1-STEP", "2-STEP"], "Pedal fitted to the machine."),
        onoff("PFREV", "Reverse clamp pedal", "Reverses the sense of the clamp pedal."),
        sel("PFDRIVE", "Clamp drive", ["AIR", "MOTOR"], "How the clamp is driven."),
    ]),
    ("THREAD", 0x0180, 0x40, [
        onoff("TRIM", "Thread trimming", "Trims the thread at the end of the pattern.", 1),
        sel("TRIMTYP", "Trimmer", ["STD", "SHORT", "NONE"], "SHORT leaves a short thread end."),
        num("TRIMST", "deg", 0, 359, "Trim knife start angle", "Angle at which the knife moves in.",
            size=2, default=200),
        num("TRIMED", "deg", 0, 359, "Trim knife end angle", "Angle at which the knife moves back.",
            size=2, default=340),
        num("TENREL", "deg", 0, 359, "Tension release angle", "Angle at which the tension opens while trimming.",
            size=2, default=280),
        num("TENRELT", "ms", 0, 500, "Tension release time", "", size=2, default=60),
        onoff("WIPER", "Wiper", "Wipes the thread end after trimming.", 1),
        num("WIPDLY", "ms", 0, 500, "Wiper delay", "Wait after trimming before the wiper moves.", size=2, default=20),
        num("WIPTIM", "ms", 10, 500, "Wiper time", "Time the wiper stays out.", size=2, default=80),
        onoff("HOLDER", "Thread holder", "糸つかみ装置を使います。<RETURN>縫い始めの上糸を保持します。"),
        num("HOLDST", "deg", 0, 359, "Thread holder start angle", "", size=2, default=30),
        num("HOLDED", "deg", 0, 359, "Thread holder end angle", "", size=2, default=180),
        onoff("BRKDET", "Thread break detection", "Stops when the upper thread breaks.", 1),
        num("BRKSTN", "針", 1, 15, "Stitches before break detection", "Stitches from the start without detection.",
            default=3),
        num("BRKSENS", "", 1, 9, "Break detection sensitivity", "1: least sensitive.", default=5),
        onoff("ATEN", "Active tension", "Sets the upper thread tension electrically."),
        num("ATENV", "", 0, 200, "Active tension value", "Tension while sewing.", default=80),
        num("ATENJ", "", 0, "ATENV", "Tension during jump", "Cannot exceed the tension while sewing.", default=30),
        num("ATENST", "", 0, 200, "Tension at sewing start", "", default=50),
        sel("NDLCLMP", "Needle thread clamp", ["OFF", "1ST", "2ND"], "Stitch at which the clamp releases the thread."),
        num("TRIMLEN", "㎜", 1, 30, "Thread end length", "Length of the thread end after trimming.", default=4),
        onoff("TRIMSP", "Slow trim", "Trims at the trimming speed even after short patterns."),
    ]),
    ("FEED", 0x01C0, 0x40, [
        num("FDTIMX", "deg", 0, 359, "X feed timing", "Angle at which the X feed starts.", size=2, default=240),
        num("FDTIMY", "deg", 0, 359, "Y feed timing", "Angle at which the Y feed starts.", size=2, default=240),
        sel("FDMODE", "Feed mode", ["INTERMIT", "CONT"], "CONT moves the clamp while the needle is in the work."),
        num("FDSPDX", "%", 10, 100, "X jump speed", "", default=100),
        num("FDSPDY", "%", 10, 100, "Y jump speed", "", default=100),
        num("FDACC", "", 1, 10, "Feed acceleration", "", default=5),
        sel("FDANG", "Feed angle table", ["STD", "THICK", "THIN"], "Set of feed angle tables used."),
        sel("FDRES", "Feed resolution", ["0.1MM", "0.05MM"], "Smallest step of the pattern data."),
        num("ORGSPD", "%", 10, 100, "Origin search speed", "", default=50),
        num("LIMXP", "0.1mm", 0, 4000, "X soft limit plus", "Software limit on the plus side of X.",
            size=2, default=1500),
        num("LIMXM", "0.1mm", 0, 4000, "X soft limit minus", "Software limit on the minus side of X.",
            size=2, default=1500),
        num("LIMYP", "0.1mm", 0, 3000, "Y soft limit plus", "", size=2, default=1000),
        num("LIMYM", "0.1mm", 0, 3000, "Y soft limit minus", "", size=2, default=1000),
        num("BKLSHX", "pulse", 0, 50, "X backlash compensation", "", default=4),
        num("BKLSHY", "pulse", 0, 50, "Y backlash compensation", "", default=4),
        sel("STEPCUR", "Stepping motor current", ["LOW", "STD", "HIGH"], "", default=1),
        num("HOLDCUR", "%", 0, 100, "Holding current", "Current while the motors stand still.", default=50),
        num("ORGOFX", "0.1mm", 0, 100, "X origin sensor offset", "", default=10),
        num("ORGOFY", "0.1mm", 0, 100, "Y origin sensor offset", "", default=10),
        onoff("FDSENS", "Out-of-step detection", "Stops with an alarm when a stepping motor loses steps.", 1),
        onoff("FDSMTH", "Feed smoothing", "Smooths the feed curve of long stitches."),
    ]),
    ("COUNTER", 0x0200, 0x20, [
        sel("BOBTYP", "Bobbin counter", ["UP", "DOWN", "OFF"], "DOWN counts from the set value to zero.", default=1),
        num("BOBSET", "針", 0, 9999, "Bobbin counter set value", "Stitches one bobbin lasts.", size=2, default=3000),
        num("BOBSTEP", "針", 1, 99, "Bobbin count step", "Stitches per count.", default=10),
        sel("PCSTYP", "Piece counter", ["UP", "DOWN", "OFF"], "Counts finished pieces."),
        num("PCSSET", "pcs", 0, 9999, "Piece counter set value", "", size=2, default=500),
        onoff("PCSCLR", "Clear piece counter at power on", ""),
        onoff("CNTSTOP", "Stop at count-up", "Stops the machine when a counter reaches its set value.", 1),
        onoff("CNTBUZ", "Buzzer at count-up", "", 1),
        num("PCSALM", "pcs", 0, 99, "Pre-alarm pieces", "Warns this many pieces before the count-up.", default=5),
        onoff("OILWARN", "Oiling warning", "Shows the oiling warning after the oiling interval.", 1),
        num("MAINT", "h", 0, 9999, "Maintenance interval", "0: no maintenance warning.", size=2, default=2000),
        onoff("CYCTIME", "Cycle time display", ""),
        onoff("CNTKEY", "Counter key on panel", "Lets the operator reset the counters.", 1),
        num("CNTWIN", "回", 1, 9, "Counter reset confirmations", "", default=1),
    ]),
    ("PANEL", 0x0220, 0x20, [
        num("PNLBRT", "", 1, 8, "Backlight brightness", "", default=6),
        num("PNLCON", "", 1, 8, "Contrast", "", default=4),
        num("PNLOFF", "min", 0, 60, "Backlight off time", "0: the backlight stays on.", default=10),
        onoff("KEYLOCK", "Key lock", "Locks every key except start and stop."),
        onoff("KEYBEEP", "Key click", "", 1),
        sel("PNLTYP", "Panel", ["LCD", "TOUCH"], "Operation panel fitted to the machine."),
        sel("DISPHOME", "Home display", ["PATTERN", "COUNTER", "SPEED"], ""),
        onoff("PNLPAS", "Panel password", "Asks the panel password before the settings."),
        num("PNLPWD", "", 0, 9999, "Panel password number", "", size=2, default=0),
        onoff("DSPCLK", "Clock display", ""),
        num("DSPZOOM", "%", 50, 400, "Pattern preview zoom", "", size=2, default=100),
        num("TRACESP", "%", 10, 100, "Trace speed", "Speed of the clamp while tracing the pattern.", default=30),
        sel("TRACEPF", "Clamp during trace", ["DOWN", "UP"], ""),
        sel("FWDKEY", "Forward key step", [("1", 1), ("10", 10), ("100", 100)], "Stitches per press of the forward key."),
    ]),
    (SPECIAL_EN, 0x0E00, 0x20, [
        num("DB1", "", 0, 255, "Monitor channel", "Channel shown on the service monitor.<RETURN>0: none.",
            hex_addr=True),
        num("DB2", "", 0, 32767, "Trace address", "Word address traced by the service monitor.", size=2,
            hex_addr=True),
        sel("DB3", "Service output", ["OFF", "SERIAL", "PANEL"], "Where service messages go.", hex_addr=True),
        num("DB4", "ms", 0, 1000, "Monitor sampling period", "", size=2, default=100, hex_addr=True),
        onoff("DB5", "Manufacturer menu", "Shows the manufacturer settings.<RETURN>For factory use only.",
              hex_addr=True),
        sel("ENCODER", "Encoder pulses", [("360", 360), ("720", 720), ("1440", 1440)],
            "Pulses per turn of the main shaft encoder.", size=2, default=720),
        num("MTRGAIN", "", 1, 99, "Main motor speed gain", "", default=40),
        num("MTRINT", "", 1, 99, "Main motor integral gain", "", default=20),
        num("TRQLIM", "%", 50, 300, "Torque limit", "", size=2, default=200),
        num("SYNCANG", "deg", 0, 359, "Synchronizer offset", "", size=2, default=0),
        num("OVERHT", "℃", 50, 120, "Overheat alarm temperature", "", default=85),
        onoff("VOLTCHK", "Supply voltage check", "", 1),
    ]),
    (MANUFACTURER_EN, 0x0E40, 0x20, [
        num("MFLOT", "", 0, 9999, "Production lot", "", size=2, default=0, hex_addr=True),
        num("MFSERIAL", "", 0, 32767, "Serial number", "", size=2, default=0, hex_addr=True),
        sel("MFLINE", "Assembly line", ["A", "B", "C"], ""),
        onoff("MFTEST", "Burn-in test mode", "Runs the machine without thread for the burn-in test."),
        num("MFAGING", "h", 0, 99, "Burn-in time", "", default=8),
        sel("MFDEST", "Destination", ["JP", "US", "EU", "CN"], "Decides the default language and supply voltage."),
        sel("MFVOLT", "Supply voltage", [("100V", 1), ("200V", 2)], "", default=2),
        num("MFCALX", "", 0, 200, "X calibration", "100: no correction.", default=100),
        num("MFCALY", "", 0, 200, "Y calibration", "100: no correction.", default=100),
        onoff("MFINIT", "Initialise at next power on", "Clears every setting at the next power on."),
    ]),
]


# Signals. Customize addresses: inputs first, then outputs; every setting of one kind sits in
# its own array so that the controller can index it by signal number.
INPUT_GROUPS = [
    ("Standard input", 12),
    ("TE BOARD input", 4),
    ("I/O BOARD No.1 input", 4),
    ("I/O BOARD No.2 input", 2),
    ("I/O BOARD No.3 input", 2),
]
OUTPUT_GROUPS = [
    ("Standard output", 6),
    ("TE BOARD output", 2),
    ("I/O BOARD No.1 output", 4),
    ("I/O BOARD No.2 output", 2),
    ("I/O BOARD No.3 output", 2),
]
# Connector of each group, for the free text column of Set04.e/Set05.e.
CONNECTOR = {
    "Standard input": "CN30", "TE BOARD input": "CN41", "I/O BOARD No.1 input": "CN51",
    "I/O BOARD No.2 input": "CN61", "I/O BOARD No.3 input": "CN71",
    "Standard output": "CN31", "TE BOARD output": "CN42", "I/O BOARD No.1 output": "CN52",
    "I/O BOARD No.2 output": "CN62", "I/O BOARD No.3 output": "CN72",
}

INPUT_FUNCTION_ADDR = 0x0C00  # 24 bytes
INPUT_LOGIC_ADDR = 0x0C20  # 24 bytes
INPUT_OPERATION_ADDR = 0x0C40  # 24 bytes
OUTPUT_FUNCTION_ADDR = 0x0C60  # 16 bytes
OUTPUT_LOGIC_ADDR = 0x0C70
OUTPUT_OPERATION_ADDR = 0x0C80
OUTPUT_ON_DELAY_ADDR = 0x0C90  # 16 words
OUTPUT_OFF_DELAY_ADDR = 0x0CB0
OUTPUT_CHOP_ON_ADDR = 0x0CD0
OUTPUT_CHOP_OFF_ADDR = 0x0CF0
OUTPUT_FULL_WAVE_ADDR = 0x0D10  # ends at 0x0D2F


# Input functions (Set06.e): name, value, description. Values are what the controller
# stores; gaps are reserved numbers of the firmware.
INPUT_FUNCTIONS = [
    ("NONE", 0, "No function"),
    ("START", 1, "Start switch"),
    ("STOP", 2, "Temporary stop switch"),
    ("EMG", 3, "Emergency stop"),
    ("PEDAL1", 4, "Clamp pedal, first step"),
    ("PEDAL2", 5, "Clamp pedal, second step"),
    ("PFL", 6, "Left clamp pedal"),
    ("PFR", 7, "Right clamp pedal"),
    ("TRIMSW", 8, "Manual trim switch"),
    ("WIPSW", 9, "Manual wiper switch"),
    ("ORGSW", 10, "Origin return switch"),
    ("SAFETY", 11, "Safety switch"),
    ("AIRLOW", 12, "Air pressure low"),
    ("THBRK", 13, "Thread break sensor"),
    ("BOBEND", 14, "Bobbin end sensor"),
    ("WORKDET", 15, "Work detection sensor"),
    ("LOWSPD", 16, "Low speed switch"),
    ("THICK", 17, "Thick material switch"),
    ("INTPFSW", 18, "Intermediate presser switch"),
    ("CNTRST", 19, "Counter reset"),
    ("PAT1", 20, "Pattern select bit 1"),
    ("PAT2", 21, "Pattern select bit 2"),
    ("PAT4", 22, "Pattern select bit 4"),
    ("PAT8", 23, "Pattern select bit 8"),
    ("JOGXP", 24, "Jog X plus"),
    ("JOGXM", 25, "Jog X minus"),
    ("JOGYP", 26, "Jog Y plus"),
    ("JOGYM", 27, "Jog Y minus"),
    ("STEPSW", 28, "One stitch forward"),
    ("BACKSW", 29, "One stitch back"),
    ("DOORSW", 32, "Safety door closed"),
    ("STACKER", 33, "Stacker ready"),
    ("LOADER", 34, "Loader ready"),
    ("EXTSTOP", 40, "External stop request"),
    ("EXTSTART", 41, "External start request"),
    ("READY", 64, "Line controller ready"),
    ("TEST", 200, "Factory test input"),
]

# Output functions (Set07.e).
OUTPUT_FUNCTIONS = [
    ("NONE", 0, "No function"),
    ("PF", 1, "Work clamp"),
    ("PFL", 2, "Left work clamp"),
    ("PFR", 3, "Right work clamp"),
    ("INTPF", 4, "Intermediate presser"),
    ("TRIM", 5, "Thread trimmer"),
    ("WIPER", 6, "Wiper"),
    ("TENREL", 7, "Tension release"),
    ("HOLDER", 8, "Thread holder"),
    ("NDLCLMP", 9, "Needle thread clamp"),
    ("COOLER", 10, "Needle cooler"),
    ("LAMP", 11, "Work lamp"),
    ("BUZZER", 12, "Buzzer"),
    ("READY", 13, "Machine ready"),
    ("RUN", 14, "Machine sewing"),
    ("ERROR", 15, "Error signal"),
    ("CNTUP", 16, "Counter reached"),
    ("BOBEND", 17, "Bobbin counter reached"),
    ("ORGOK", 18, "At origin"),
    ("PFDOWN", 19, "Clamp down"),
    ("SEWEND", 20, "Sewing finished"),
    ("OILLAMP", 21, "Oiling warning lamp"),
    ("STACK", 22, "Stacker drive"),
    ("BLOW", 23, "Air blow"),
    ("MARKER", 24, "Marking lamp"),
    ("REVFEED", 25, "Reverse feed solenoid"),
    ("PATOUT1", 26, "Pattern number bit 1"),
    ("PATOUT2", 27, "Pattern number bit 2"),
    ("PATOUT4", 28, "Pattern number bit 4"),
    ("PATOUT8", 29, "Pattern number bit 8"),
    ("UNLOAD", 32, "Unload request"),
    ("LOADREQ", 33, "Load request"),
    ("DOORLOCK", 40, "Safety door lock"),
    ("EXT1", 64, "User output 1"),
    ("EXT2", 65, "User output 2"),
    ("TEST", 200, "Factory test output"),
]


def input_signals():
    """(name, text, group, function addr, logic addr, operation addr) for every input, in order."""
    rows, n = [], 0
    for group, count in INPUT_GROUPS:
        for pin in range(1, count + 1):
            rows.append(("I%d" % (n + 1), "%s-%d" % (CONNECTOR[group], pin), group,
                         INPUT_FUNCTION_ADDR + n, INPUT_LOGIC_ADDR + n, INPUT_OPERATION_ADDR + n))
            n += 1
    return rows


def output_signals():
    """Set05.e rows: the input fields, then ON delay, OFF delay, chopping ON, chopping OFF, full wave."""
    rows, n = [], 0
    for group, count in OUTPUT_GROUPS:
        for pin in range(1, count + 1):
            rows.append(("O%d" % (n + 1), "%s-%d" % (CONNECTOR[group], pin), group,
                         OUTPUT_FUNCTION_ADDR + n, OUTPUT_LOGIC_ADDR + n, OUTPUT_OPERATION_ADDR + n,
                         OUTPUT_ON_DELAY_ADDR + 2 * n, OUTPUT_OFF_DELAY_ADDR + 2 * n,
                         OUTPUT_CHOP_ON_ADDR + 2 * n, OUTPUT_CHOP_OFF_ADDR + 2 * n,
                         OUTPUT_FULL_WAVE_ADDR + 2 * n))
            n += 1
    return rows
