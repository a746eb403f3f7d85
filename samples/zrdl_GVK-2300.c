/***********************************************************************
 * zrdl_GVK-2300.c : 機種別パラメータ (セクション )
 *
 * VOKG_SET の「zrdl_Model.cの出力」がこのひな形から作成します。
 * [値] の部分に開いているテーブルの値が入ります。
 ***********************************************************************/
#include "zrdl_types.h"

#pragma section 
const char gc_kishu_name_[] = "VK-2300";

/* ---- パラメータ: MACHINE ---- */
const ushort gus_param_machine_[25] = {
    0,	/* [MACHTYP] Machine type */
    1,	/* [HEADTYP] Sewing head */
    300,	/* [AREAX] Sewing area X */
    200,	/* [AREAY] Sewing area Y */
    150,	/* [ORGX] Origin position X */
    100,	/* [ORGY] Origin position Y */
    1,	/* [MOTOR] Main motor */
    100,	/* [PULLEY] Pulley ratio */
    0,	/* [NDLSTOP] Needle stop position */
    70,	/* [UPPOS] Needle up stop angle */
    250,	/* [DNPOS] Needle down stop angle */
    1,	/* [PWRON] Action at power on */
    1,	/* [ORGRET] Origin return after sewing */
    0,	/* [ORGSEQ] Origin search order */
    1,	/* [BUZZER] Buzzer */
    5,	/* [BUZVOL] Buzzer volume */
    1,	/* [LANG] Panel language */
    0,	/* [LENUNIT] Length unit */
    0,	/* [EMGMODE] Emergency stop action */
    1,	/* [SAFESW] Safety switch check */
    1,	/* [AIRCHK] Air pressure check */
    500,	/* [AIRDLY] Air pressure check delay */
    0,	/* [LAMP] Work lamp at power on */
    30,	/* [SLEEP] Sleep timer */
    400,	/* [OILCNT] Oiling interval */
};

/* ---- パラメータ: SEWING ---- */
const ushort gus_param_sewing_[29] = {
    0,	/* [SEWMODE] Sewing mode */
    1,	/* [SOFTST] Soft start */
    2,	/* [SSNUM] Soft start stitches */
    400,	/* [SS1SPD] Soft start speed 1st stitch */
    600,	/* [SS2SPD] Soft start speed 2nd stitch */
    800,	/* [SS3SPD] Soft start speed 3rd stitch */
    1000,	/* [SS4SPD] Soft start speed 4th stitch */
    1200,	/* [SS5SPD] Soft start speed 5th stitch */
    0,	/* [TACKST] Start tack */
    2,	/* [TACKSTN] Start tack stitches */
    0,	/* [TACKED] End tack */
    2,	/* [TACKEDN] End tack stitches */
    0,	/* [CONDN] Condensed stitches */
    5,	/* [CONDP] Condensed stitch pitch */
    50,	/* [PITCHMX] Maximum stitch pitch */
    2,	/* [JUMPSPD] Jump feed speed */
    0,	/* [JUMPTRM] Trim before jump */
    0,	/* [MIRROR] Mirror */
    100,	/* [SCALEX] Scale X */
    100,	/* [SCALEY] Scale Y */
    0,	/* [ROTATE] Rotation */
    1,	/* [REPEAT] Pattern repeat */
    1,	/* [PATNO] Pattern number at start */
    0,	/* [PATSEL] Pattern selection */
    0,	/* [NDLCOOL] Needle cooler */
    1,	/* [STOPUP] Needle up at temporary stop */
    0,	/* [STOPPF] Clamp up at temporary stop */
    0,	/* [RESTRT] Restart after stop */
    3,	/* [BACKSTN] Stitches back at restart */
};

/* ---- パラメータ: SPEED ---- */
const ushort gus_param_speed_[20] = {
    2500,	/* [SPDMAX] Maximum sewing speed */
    200,	/* [SPDMIN] Minimum sewing speed */
    1500,	/* [SPDST] Start speed */
    250,	/* [SPDTRIM] Trimming speed */
    400,	/* [SPDLOW] Low speed */
    2500,	/* [SPDL3] Speed limit at 3 mm pitch */
    2300,	/* [SPDL4] Speed limit at 4 mm pitch */
    2000,	/* [SPDL5] Speed limit at 5 mm pitch */
    1800,	/* [SPDL6] Speed limit at 6 mm pitch */
    1600,	/* [SPDL7] Speed limit at 7 mm pitch */
    1400,	/* [SPDL8] Speed limit at 8 mm pitch */
    1200,	/* [SPDL10] Speed limit at 10 mm pitch */
    1000,	/* [SPDL12] Speed limit at 12.7 mm pitch */
    6,	/* [ACCEL] Acceleration */
    6,	/* [DECEL] Deceleration */
    1,	/* [SLOWST] Start curve */
    0,	/* [PEDALC] Pedal curve */
    1200,	/* [THICKSP] Thick material speed */
    0,	/* [SPDDISP] Speed display */
    3,	/* [JOGSPD] Jog speed */
};

/* ---- パラメータ: PRESSER ---- */
const ushort gus_param_presser_[18] = {
    0,	/* [PFTYPE] Work clamp */
    0,	/* [PFDOWN] Clamp lowering */
    0,	/* [PFUP] Clamp after sewing */
    100,	/* [PFDLY] Clamp down delay */
    50,	/* [PFUPDLY] Clamp up delay */
    0,	/* [PFSEP] Left and right clamp apart */
    0,	/* [PFORDER] Clamp order */
    0,	/* [PFHOLD] Hold clamp at origin return */
    1,	/* [INTPF] Intermediate presser */
    20,	/* [INTPFH] Intermediate presser height */
    5,	/* [INTPFLO] Intermediate presser lower limit */
    35,	/* [INTPFS] Intermediate presser stroke */
    5,	/* [PFPRESS] Clamp pressure */
    0,	/* [PFWAIT] Wait before clamp up */
    1,	/* [PFSAFE] Clamp safety */
    0,	/* [PFPEDAL] Clamp pedal */
    0,	/* [PFREV] Reverse clamp pedal */
    0,	/* [PFDRIVE] Clamp drive */
};

/* ---- パラメータ: THREAD ---- */
const ushort gus_param_thread_[22] = {
    1,	/* [TRIM] Thread trimming */
    0,	/* [TRIMTYP] Trimmer */
    200,	/* [TRIMST] Trim knife start angle */
    340,	/* [TRIMED] Trim knife end angle */
    280,	/* [TENREL] Tension release angle */
    60,	/* [TENRELT] Tension release time */
    1,	/* [WIPER] Wiper */
    20,	/* [WIPDLY] Wiper delay */
    80,	/* [WIPTIM] Wiper time */
    0,	/* [HOLDER] Thread holder */
    30,	/* [HOLDST] Thread holder start angle */
    180,	/* [HOLDED] Thread holder end angle */
    1,	/* [BRKDET] Thread break detection */
    3,	/* [BRKSTN] Stitches before break detection */
    5,	/* [BRKSENS] Break detection sensitivity */
    0,	/* [ATEN] Active tension */
    80,	/* [ATENV] Active tension value */
    30,	/* [ATENJ] Tension during jump */
    50,	/* [ATENST] Tension at sewing start */
    0,	/* [NDLCLMP] Needle thread clamp */
    4,	/* [TRIMLEN] Thread end length */
    0,	/* [TRIMSP] Slow trim */
};

/* ---- パラメータ: FEED ---- */
const ushort gus_param_feed_[21] = {
    240,	/* [FDTIMX] X feed timing */
    240,	/* [FDTIMY] Y feed timing */
    0,	/* [FDMODE] Feed mode */
    100,	/* [FDSPDX] X jump speed */
    100,	/* [FDSPDY] Y jump speed */
    5,	/* [FDACC] Feed acceleration */
    0,	/* [FDANG] Feed angle table */
    0,	/* [FDRES] Feed resolution */
    50,	/* [ORGSPD] Origin search speed */
    1500,	/* [LIMXP] X soft limit plus */
    1500,	/* [LIMXM] X soft limit minus */
    1000,	/* [LIMYP] Y soft limit plus */
    1000,	/* [LIMYM] Y soft limit minus */
    4,	/* [BKLSHX] X backlash compensation */
    4,	/* [BKLSHY] Y backlash compensation */
    1,	/* [STEPCUR] Stepping motor current */
    50,	/* [HOLDCUR] Holding current */
    10,	/* [ORGOFX] X origin sensor offset */
    10,	/* [ORGOFY] Y origin sensor offset */
    1,	/* [FDSENS] Out-of-step detection */
    0,	/* [FDSMTH] Feed smoothing */
};

/* ---- パラメータ: COUNTER ---- */
const ushort gus_param_counter_[14] = {
    1,	/* [BOBTYP] Bobbin counter */
    3000,	/* [BOBSET] Bobbin counter set value */
    10,	/* [BOBSTEP] Bobbin count step */
    0,	/* [PCSTYP] Piece counter */
    500,	/* [PCSSET] Piece counter set value */
    0,	/* [PCSCLR] Clear piece counter at power on */
    1,	/* [CNTSTOP] Stop at count-up */
    1,	/* [CNTBUZ] Buzzer at count-up */
    5,	/* [PCSALM] Pre-alarm pieces */
    1,	/* [OILWARN] Oiling warning */
    2000,	/* [MAINT] Maintenance interval */
    0,	/* [CYCTIME] Cycle time display */
    1,	/* [CNTKEY] Counter key on panel */
    1,	/* [CNTWIN] Counter reset confirmations */
};

/* ---- パラメータ: PANEL ---- */
const ushort gus_param_panel_[14] = {
    6,	/* [PNLBRT] Backlight brightness */
    4,	/* [PNLCON] Contrast */
    10,	/* [PNLOFF] Backlight off time */
    0,	/* [KEYLOCK] Key lock */
    1,	/* [KEYBEEP] Key click */
    0,	/* [PNLTYP] Panel */
    0,	/* [DISPHOME] Home display */
    0,	/* [PNLPAS] Panel password */
    0,	/* [PNLPWD] Panel password number */
    0,	/* [DSPCLK] Clock display */
    100,	/* [DSPZOOM] Pattern preview zoom */
    30,	/* [TRACESP] Trace speed */
    0,	/* [TRACEPF] Clamp during trace */
    1,	/* [FWDKEY] Forward key step */
};

/* ---- パラメータ: SPECIAL ---- */
const ushort gus_param_special_[12] = {
    0,	/* [DB1] Monitor channel */
    0,	/* [DB2] Trace address */
    0,	/* [DB3] Service output */
    100,	/* [DB4] Monitor sampling period */
    0,	/* [DB5] Manufacturer menu */
    720,	/* [ENCODER] Encoder pulses */
    40,	/* [MTRGAIN] Main motor speed gain */
    20,	/* [MTRINT] Main motor integral gain */
    200,	/* [TRQLIM] Torque limit */
    0,	/* [SYNCANG] Synchronizer offset */
    85,	/* [OVERHT] Overheat alarm temperature */
    1,	/* [VOLTCHK] Supply voltage check */
};

/* ---- パラメータ: MANUFACTURER ---- */
const ushort gus_param_manufacturer_[10] = {
    0,	/* [MFLOT] Production lot */
    0,	/* [MFSERIAL] Serial number */
    0,	/* [MFLINE] Assembly line */
    0,	/* [MFTEST] Burn-in test mode */
    8,	/* [MFAGING] Burn-in time */
    0,	/* [MFDEST] Destination */
    2,	/* [MFVOLT] Supply voltage */
    100,	/* [MFCALX] X calibration */
    100,	/* [MFCALY] Y calibration */
    0,	/* [MFINIT] Initialise at next power on */
};

/* ---- 入力信号: 機能, 論理, 動作 ---- */
const gst_inp_t gst_inp_I1_ = {	/* CN30-1 Standard input */
    1,	/* 機能 */
    1,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I2_ = {	/* CN30-2 Standard input */
    2,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I3_ = {	/* CN30-3 Standard input */
    3,	/* 機能 */
    1,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I4_ = {	/* CN30-4 Standard input */
    4,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I5_ = {	/* CN30-5 Standard input */
    5,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I6_ = {	/* CN30-6 Standard input */
    8,	/* 機能 */
    0,	/* 論理 */
    1,	/* 動作 */
};
const gst_inp_t gst_inp_I7_ = {	/* CN30-7 Standard input */
    9,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I8_ = {	/* CN30-8 Standard input */
    10,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I9_ = {	/* CN30-9 Standard input */
    11,	/* 機能 */
    1,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I10_ = {	/* CN30-10 Standard input */
    12,	/* 機能 */
    1,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I11_ = {	/* CN30-11 Standard input */
    13,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I12_ = {	/* CN30-12 Standard input */
    14,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I13_ = {	/* CN41-1 TE BOARD input */
    16,	/* 機能 */
    0,	/* 論理 */
    1,	/* 動作 */
};
const gst_inp_t gst_inp_I14_ = {	/* CN41-2 TE BOARD input */
    17,	/* 機能 */
    0,	/* 論理 */
    1,	/* 動作 */
};
const gst_inp_t gst_inp_I15_ = {	/* CN41-3 TE BOARD input */
    18,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I16_ = {	/* CN41-4 TE BOARD input */
    19,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I17_ = {	/* CN51-1 I/O BOARD No.1 input */
    20,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I18_ = {	/* CN51-2 I/O BOARD No.1 input */
    21,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I19_ = {	/* CN51-3 I/O BOARD No.1 input */
    22,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I20_ = {	/* CN51-4 I/O BOARD No.1 input */
    23,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I21_ = {	/* CN61-1 I/O BOARD No.2 input */
    32,	/* 機能 */
    1,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I22_ = {	/* CN61-2 I/O BOARD No.2 input */
    40,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I23_ = {	/* CN71-1 I/O BOARD No.3 input */
    41,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};
const gst_inp_t gst_inp_I24_ = {	/* CN71-2 I/O BOARD No.3 input */
    0,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
};

/* ---- 出力信号: 機能, 論理, 動作, 予約, ON ディレイ, 全波, チョッピング ON/OFF, OFF ディレイ ---- */
const gst_out_t gst_out_O1_ = {	/* CN31-1 Standard output */
    1,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    300,	/* 全波時間 (0.1ms) */
    1,	/* チョッピング ON (0.1ms) */
    0,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O2_ = {	/* CN31-2 Standard output */
    5,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    50,	/* ON ディレイ (0.1ms) */
    200,	/* 全波時間 (0.1ms) */
    80,	/* チョッピング ON (0.1ms) */
    40,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O3_ = {	/* CN31-3 Standard output */
    6,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    150,	/* 全波時間 (0.1ms) */
    40,	/* チョッピング ON (0.1ms) */
    20,	/* チョッピング OFF (0.1ms) */
    100,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O4_ = {	/* CN31-4 Standard output */
    7,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    20,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    40,	/* チョッピング ON (0.1ms) */
    40,	/* チョッピング OFF (0.1ms) */
    20,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O5_ = {	/* CN31-5 Standard output */
    8,	/* 機能 */
    1,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    100,	/* ON ディレイ (0.1ms) */
    250,	/* 全波時間 (0.1ms) */
    20,	/* チョッピング ON (0.1ms) */
    20,	/* チョッピング OFF (0.1ms) */
    50,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O6_ = {	/* CN31-6 Standard output */
    12,	/* 機能 */
    0,	/* 論理 */
    1,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    20,	/* チョッピング ON (0.1ms) */
    40,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O7_ = {	/* CN42-1 TE BOARD output */
    4,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    30,	/* ON ディレイ (0.1ms) */
    200,	/* 全波時間 (0.1ms) */
    20,	/* チョッピング ON (0.1ms) */
    100,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O8_ = {	/* CN42-2 TE BOARD output */
    10,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    20,	/* チョッピング ON (0.1ms) */
    220,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O9_ = {	/* CN52-1 I/O BOARD No.1 output */
    13,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    30,	/* チョッピング ON (0.1ms) */
    70,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O10_ = {	/* CN52-2 I/O BOARD No.1 output */
    14,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    1,	/* チョッピング ON (0.1ms) */
    0,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O11_ = {	/* CN52-3 I/O BOARD No.1 output */
    15,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    80,	/* チョッピング ON (0.1ms) */
    40,	/* チョッピング OFF (0.1ms) */
    500,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O12_ = {	/* CN52-4 I/O BOARD No.1 output */
    16,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    40,	/* チョッピング ON (0.1ms) */
    20,	/* チョッピング OFF (0.1ms) */
    1000,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O13_ = {	/* CN62-1 I/O BOARD No.2 output */
    11,	/* 機能 */
    0,	/* 論理 */
    1,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    40,	/* チョッピング ON (0.1ms) */
    40,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O14_ = {	/* CN62-2 I/O BOARD No.2 output */
    23,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    200,	/* ON ディレイ (0.1ms) */
    100,	/* 全波時間 (0.1ms) */
    20,	/* チョッピング ON (0.1ms) */
    20,	/* チョッピング OFF (0.1ms) */
    300,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O15_ = {	/* CN72-1 I/O BOARD No.3 output */
    64,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    10,	/* ON ディレイ (0.1ms) */
    50,	/* 全波時間 (0.1ms) */
    20,	/* チョッピング ON (0.1ms) */
    40,	/* チョッピング OFF (0.1ms) */
    10,	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O16_ = {	/* CN72-2 I/O BOARD No.3 output */
    0,	/* 機能 */
    0,	/* 論理 */
    0,	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    0,	/* ON ディレイ (0.1ms) */
    0,	/* 全波時間 (0.1ms) */
    20,	/* チョッピング ON (0.1ms) */
    100,	/* チョッピング OFF (0.1ms) */
    0,	/* OFF ディレイ (0.1ms) */
};

/* ---- 送りパラメータ ---- */
const ushort gus_x_s8_cw_[31] = { 2399, 2380, 2364, 2344, 2326, 2312, 2293, 2274, 2259, 2241, 2222, 2204, 2185, 2163, 2145, 2133, 2113, 2093, 2074, 2055, 2040, 2021, 2002, 1985, 1971, 1951, 1935, 1915, 1894, 1875, 1863 };	/* X_P1_A */
const ushort gus_x_s8_ccw_[31] = { 2399, 2384, 2367, 2344, 2327, 2307, 2291, 2273, 2257, 2236, 2220, 2200, 2183, 2165, 2146, 2130, 2110, 2095, 2077, 2060, 2038, 2025, 2002, 1987, 1970, 1949, 1935, 1917, 1899, 1879, 1858 };	/* X_P1_B */
const ushort gus_x_e8_cw_[31] = { 3301, 3284, 3264, 3249, 3230, 3208, 3192, 3177, 3159, 3140, 3117, 3105, 3087, 3066, 3051, 3030, 3015, 2992, 2973, 2960, 2939, 2924, 2903, 2885, 2871, 2851, 2832, 2811, 2797, 2775, 2758 };	/* X_T1_A */
const ushort gus_x_e8_ccw_[31] = { 3303, 3285, 3265, 3247, 3228, 3213, 3190, 3174, 3154, 3137, 3121, 3102, 3084, 3064, 3045, 3031, 3014, 2992, 2979, 2955, 2938, 2920, 2903, 2883, 2867, 2849, 2829, 2815, 2799, 2778, 2762 };	/* X_T1_B */
const uchar guc_x_p1_cw_[31] = { 86, 83, 93, 96, 92, 94, 97, 108, 110, 113, 115, 114, 120, 126, 129, 125, 127, 133, 136, 136, 141, 144, 146, 155, 151, 160, 159, 161, 166, 174, 172 };	/* X_P2_A */
const uchar guc_x_p1_ccw_[31] = { 176, 174, 167, 162, 163, 160, 152, 154, 153, 149, 141, 139, 136, 132, 127, 128, 128, 121, 119, 116, 109, 113, 109, 106, 105, 102, 93, 94, 92, 82, 87 };	/* X_P2_B */
const uchar guc_x_p2_cw_[31] = { 85, 89, 92, 96, 95, 94, 98, 105, 109, 106, 110, 117, 123, 125, 123, 127, 132, 133, 139, 141, 141, 145, 151, 155, 154, 161, 157, 164, 171, 166, 170 };	/* X_T2_A */
const uchar guc_x_p2_ccw_[31] = { 171, 171, 163, 164, 157, 154, 155, 148, 150, 148, 143, 137, 136, 132, 132, 125, 121, 118, 119, 115, 117, 110, 109, 108, 98, 96, 95, 91, 93, 87, 83 };	/* X_T2_B */
const ushort gus_y_s8_cw_[31] = { 2397, 2381, 2363, 2347, 2328, 2309, 2290, 2275, 2259, 2235, 2222, 2202, 2181, 2169, 2149, 2127, 2110, 2094, 2078, 2060, 2038, 2023, 2006, 1986, 1966, 1950, 1931, 1915, 1899, 1875, 1859 };	/* Y_P1_A */
const ushort gus_y_s8_ccw_[31] = { 2401, 2379, 2362, 2344, 2326, 2311, 2294, 2273, 2253, 2240, 2223, 2202, 2186, 2163, 2147, 2127, 2111, 2094, 2073, 2057, 2039, 2023, 2006, 1987, 1967, 1947, 1934, 1913, 1896, 1876, 1859 };	/* Y_P1_B */
const ushort gus_y_e8_cw_[31] = { 3299, 3281, 3261, 3249, 3225, 3208, 3190, 3173, 3159, 3135, 3121, 3099, 3082, 3066, 3045, 3030, 3015, 2997, 2973, 2956, 2940, 2920, 2903, 2887, 2870, 2853, 2832, 2812, 2798, 2780, 2758 };	/* Y_T1_A */
const ushort gus_y_e8_ccw_[31] = { 3302, 3285, 3267, 3245, 3229, 3212, 3190, 3176, 3159, 3140, 3121, 3104, 3087, 3064, 3050, 3032, 3010, 2991, 2973, 2961, 2940, 2919, 2907, 2885, 2868, 2849, 2833, 2811, 2799, 2781, 2759 };	/* Y_T1_B */
const uchar guc_y_p1_cw_[31] = { 86, 87, 92, 95, 96, 101, 97, 106, 111, 110, 115, 117, 116, 121, 125, 131, 134, 136, 140, 137, 140, 143, 148, 150, 156, 162, 163, 160, 171, 171, 171 };	/* Y_P2_A */
const uchar guc_y_p1_ccw_[31] = { 173, 174, 164, 165, 158, 158, 159, 156, 150, 148, 142, 136, 133, 131, 128, 126, 129, 125, 119, 116, 115, 112, 108, 108, 103, 99, 96, 93, 90, 82, 87 };	/* Y_P2_B */
const uchar guc_y_p2_cw_[31] = { 86, 88, 90, 94, 95, 98, 101, 100, 106, 111, 113, 116, 121, 119, 123, 128, 129, 132, 140, 144, 141, 149, 153, 155, 152, 158, 162, 161, 171, 167, 171 };	/* Y_T2_A */
const uchar guc_y_p2_ccw_[31] = { 170, 166, 167, 164, 164, 154, 157, 151, 150, 142, 144, 139, 137, 131, 133, 127, 128, 125, 120, 119, 109, 106, 103, 103, 99, 97, 91, 94, 86, 90, 83 };	/* Y_T2_B */
const ushort gus_x_l1_[201] = { 104, 124, 133, 154, 161, 180, 193, 208, 226, 241, 251, 274, 281, 301, 312, 334, 342, 356, 379, 394, 407, 421, 432, 454, 467, 476, 494, 514, 529, 538, 551, 570, 585, 602, 612, 631, 642, 660, 678, 686, 700, 718, 732, 745, 760, 780, 795, 814, 823, 843, 851, 869, 886, 899, 914, 929, 948, 957, 974, 988, 1001, 1019, 1033, 1051, 1069, 1083, 1094, 1105, 1128, 1136, 1159, 1167, 1187, 1200, 1213, 1230, 1245, 1263, 1272, 1286, 1301, 1320, 1332, 1350, 1364, 1383, 1391, 1411, 1428, 1444, 1451, 1469, 1486, 1504, 1512, 1527, 1546, 1561, 1571, 1593, 1607, 1620, 1633, 1651, 1668, 1680, 1698, 1711, 1726, 1738, 1756, 1771, 1789, 1798, 1812, 1834, 1844, 1857, 1873, 1888, 1905, 1920, 1931, 1949, 1963, 1977, 1999, 2010, 2029, 2044, 2051, 2068, 2080, 2100, 2112, 2128, 2146, 2163, 2170, 2193, 2205, 2222, 2237, 2249, 2269, 2276, 2294, 2312, 2324, 2336, 2359, 2368, 2385, 2395, 2416, 2431, 2442, 2464, 2473, 2485, 2508, 2520, 2538, 2547, 2568, 2580, 2599, 2608, 2621, 2639, 2659, 2672, 2685, 2704, 2710, 2727, 2744, 2764, 2777, 2786, 2808, 2818, 2839, 2854, 2860, 2876, 2896, 2908, 2927, 2943, 2957, 2974, 2986, 2998, 3013, 3025, 3046, 3064, 3074, 3094, 3100 };	/* XYLM */
const ushort gus_x_l2_[201] = { 105, 114, 114, 124, 132, 132, 136, 143, 156, 156, 162, 170, 174, 183, 189, 193, 203, 204, 213, 220, 222, 231, 240, 244, 252, 250, 256, 265, 277, 274, 285, 291, 292, 307, 307, 311, 317, 323, 330, 334, 346, 355, 354, 365, 369, 377, 379, 391, 393, 403, 402, 409, 420, 419, 428, 437, 440, 442, 454, 458, 468, 469, 478, 480, 491, 494, 503, 510, 512, 522, 525, 532, 534, 543, 547, 558, 562, 567, 577, 580, 581, 591, 601, 598, 613, 611, 618, 624, 631, 641, 640, 654, 652, 659, 664, 672, 682, 683, 689, 697, 700, 712, 721, 720, 727, 730, 741, 742, 748, 755, 766, 774, 775, 782, 793, 792, 798, 807, 809, 818, 828, 834, 836, 847, 850, 851, 860, 865, 871, 883, 881, 890, 895, 899, 911, 916, 920, 922, 934, 938, 944, 955, 960, 965, 964, 974, 976, 988, 988, 995, 1004, 1015, 1014, 1018, 1032, 1035, 1044, 1050, 1051, 1061, 1069, 1074, 1075, 1078, 1091, 1099, 1096, 1107, 1111, 1117, 1124, 1128, 1138, 1144, 1153, 1153, 1162, 1162, 1176, 1175, 1185, 1195, 1194, 1207, 1206, 1219, 1221, 1224, 1232, 1242, 1248, 1247, 1252, 1267, 1265, 1270, 1281, 1291, 1294, 1296, 1308 };	/* XGA */
const ushort gus_y_l2_[201] = { 106, 112, 117, 118, 125, 135, 139, 140, 151, 149, 162, 166, 173, 177, 179, 190, 192, 194, 202, 210, 217, 224, 230, 226, 239, 237, 249, 248, 256, 262, 273, 271, 285, 287, 291, 292, 303, 306, 315, 319, 321, 327, 333, 342, 348, 353, 359, 360, 366, 372, 375, 380, 394, 397, 397, 403, 414, 414, 423, 430, 438, 441, 450, 453, 460, 463, 467, 469, 476, 488, 492, 499, 505, 503, 512, 519, 526, 529, 532, 541, 549, 549, 553, 559, 570, 568, 582, 581, 592, 592, 602, 604, 613, 620, 617, 630, 629, 641, 640, 651, 654, 662, 667, 666, 680, 680, 685, 693, 694, 700, 710, 715, 718, 722, 727, 735, 738, 752, 755, 760, 762, 771, 780, 779, 787, 787, 796, 804, 806, 809, 823, 827, 826, 835, 838, 843, 851, 855, 864, 868, 876, 878, 881, 895, 894, 899, 910, 916, 918, 921, 930, 930, 941, 947, 950, 956, 960, 968, 976, 974, 987, 992, 997, 997, 1005, 1013, 1014, 1021, 1033, 1030, 1037, 1041, 1054, 1060, 1064, 1067, 1077, 1078, 1085, 1092, 1090, 1100, 1103, 1109, 1115, 1123, 1123, 1134, 1137, 1139, 1149, 1151, 1160, 1163, 1175, 1179, 1187, 1183, 1195, 1197, 1203 };	/* YGA */
const ushort gus_p1x_[201] = { 21, 23, 24, 26, 26, 24, 24, 24, 26, 24, 25, 25, 30, 28, 28, 28, 32, 32, 31, 32, 30, 33, 34, 31, 36, 32, 38, 33, 39, 37, 36, 40, 38, 41, 41, 40, 40, 43, 44, 40, 41, 41, 45, 42, 46, 46, 47, 48, 45, 45, 50, 46, 51, 46, 47, 50, 51, 50, 53, 53, 55, 54, 56, 52, 57, 53, 55, 53, 54, 55, 60, 58, 58, 61, 58, 57, 58, 61, 59, 59, 64, 60, 64, 66, 65, 66, 65, 63, 65, 66, 69, 66, 71, 69, 68, 72, 69, 73, 73, 74, 73, 73, 71, 72, 75, 77, 76, 73, 78, 79, 75, 80, 80, 81, 82, 82, 81, 78, 81, 80, 85, 84, 85, 84, 86, 86, 87, 87, 88, 87, 85, 90, 91, 91, 88, 88, 92, 90, 90, 94, 95, 90, 92, 96, 92, 96, 96, 94, 96, 94, 100, 95, 97, 96, 99, 98, 98, 100, 101, 102, 101, 104, 102, 103, 106, 103, 104, 107, 107, 109, 110, 109, 110, 108, 112, 108, 113, 109, 111, 109, 114, 110, 116, 115, 113, 114, 117, 113, 119, 116, 120, 117, 117, 119, 120, 120, 120, 118, 119, 120, 121 };	/* P1X */
const ushort gus_p1y_[201] = { 21, 21, 25, 25, 22, 23, 24, 27, 27, 26, 29, 25, 27, 31, 30, 30, 33, 33, 29, 31, 32, 34, 34, 34, 37, 35, 33, 37, 36, 37, 35, 38, 38, 39, 39, 42, 43, 41, 41, 42, 44, 41, 43, 44, 46, 42, 47, 45, 45, 49, 50, 47, 50, 47, 52, 51, 48, 52, 49, 49, 51, 50, 51, 53, 53, 54, 53, 55, 58, 58, 56, 57, 57, 57, 57, 61, 58, 62, 63, 60, 63, 64, 65, 61, 66, 62, 68, 66, 67, 64, 67, 69, 70, 70, 67, 72, 70, 71, 71, 72, 72, 70, 73, 71, 76, 72, 73, 75, 78, 79, 80, 77, 81, 79, 81, 82, 81, 79, 80, 83, 85, 85, 81, 84, 83, 82, 86, 85, 86, 87, 86, 90, 86, 88, 90, 91, 93, 90, 92, 90, 94, 94, 94, 96, 96, 94, 98, 98, 98, 95, 96, 99, 99, 100, 97, 97, 98, 101, 102, 101, 100, 104, 105, 101, 107, 105, 106, 105, 107, 105, 110, 105, 109, 109, 110, 110, 111, 112, 109, 109, 112, 110, 111, 116, 115, 113, 113, 115, 118, 119, 117, 119, 121, 118, 121, 120, 120, 121, 123, 119, 122 };	/* P1Y */
const ushort gus_y_l1_[201] = { 100, 119, 128, 150, 165, 173, 188, 205, 220, 227, 245, 255, 276, 291, 301, 316, 331, 338, 355, 372, 387, 399, 412, 424, 444, 457, 466, 485, 493, 509, 520, 534, 555, 568, 585, 598, 611, 622, 640, 654, 664, 680, 694, 708, 724, 734, 745, 765, 774, 787, 808, 814, 836, 842, 857, 872, 889, 898, 913, 934, 940, 956, 971, 987, 1001, 1011, 1031, 1040, 1053, 1069, 1086, 1096, 1109, 1127, 1142, 1157, 1169, 1180, 1198, 1208, 1226, 1242, 1254, 1271, 1277, 1297, 1304, 1324, 1341, 1352, 1363, 1382, 1397, 1411, 1423, 1439, 1451, 1465, 1481, 1493, 1503, 1517, 1536, 1551, 1557, 1578, 1590, 1601, 1620, 1628, 1648, 1660, 1668, 1682, 1700, 1717, 1728, 1738, 1757, 1775, 1787, 1797, 1809, 1827, 1836, 1855, 1866, 1885, 1898, 1907, 1921, 1943, 1951, 1968, 1981, 1997, 2006, 2026, 2038, 2050, 2069, 2076, 2090, 2107, 2116, 2138, 2146, 2162, 2178, 2186, 2200, 2222, 2231, 2250, 2257, 2272, 2293, 2304, 2318, 2334, 2345, 2356, 2376, 2384, 2397, 2418, 2425, 2444, 2452, 2469, 2485, 2498, 2511, 2522, 2543, 2553, 2565, 2586, 2595, 2613, 2621, 2637, 2655, 2662, 2679, 2693, 2707, 2720, 2732, 2751, 2765, 2783, 2795, 2810, 2817, 2834, 2851, 2862, 2877, 2888, 2901 };	/* ZLM */
const ushort gms_p1_pls_base_ = 3;	/* 最大引き込みパルス基準比の分子 */
const ushort gms_p1_pls_all_ = 4;	/* 最大引き込みパルス基準比の分母 */
const ushort gms_pmd_pd_inpos_ = 20;	/* XY PD 制御の POSERR 範囲 */
const ushort gus_s8_top_ = 150;	/* 最高速時の S8 角度 */
const ushort gus_x_pos_kd_speed_ = 100;	/* X 軸位置ゲインの切替速度 */
const ushort gus_y_pos_kd_speed_ = 120;	/* Y 軸位置ゲインの切替速度 */
const ushort gus_xy_inv_ = 5;	/* XY ノッチパラメータ */

/* end of zrdl_GVK-2300.c */

