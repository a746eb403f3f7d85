/***********************************************************************
 * zrdl_G[機種].c : 機種別パラメータ (セクション [セクション番号])
 *
 * VOKG_SET の「zrdl_Model.cの出力」がこのひな形から作成します。
 * [値] の部分に開いているテーブルの値が入ります。
 ***********************************************************************/
#include "zrdl_types.h"

#pragma section [セクション番号]
const char gc_kishu_name_[] = "[機種]";

/* ---- パラメータ: MACHINE ---- */
const ushort gus_param_machine_[25] = {
    [値],	/* [MACHTYP] Machine type */
    [値],	/* [HEADTYP] Sewing head */
    [値],	/* [AREAX] Sewing area X */
    [値],	/* [AREAY] Sewing area Y */
    [値],	/* [ORGX] Origin position X */
    [値],	/* [ORGY] Origin position Y */
    [値],	/* [MOTOR] Main motor */
    [値],	/* [PULLEY] Pulley ratio */
    [値],	/* [NDLSTOP] Needle stop position */
    [値],	/* [UPPOS] Needle up stop angle */
    [値],	/* [DNPOS] Needle down stop angle */
    [値],	/* [PWRON] Action at power on */
    [値],	/* [ORGRET] Origin return after sewing */
    [値],	/* [ORGSEQ] Origin search order */
    [値],	/* [BUZZER] Buzzer */
    [値],	/* [BUZVOL] Buzzer volume */
    [値],	/* [LANG] Panel language */
    [値],	/* [LENUNIT] Length unit */
    [値],	/* [EMGMODE] Emergency stop action */
    [値],	/* [SAFESW] Safety switch check */
    [値],	/* [AIRCHK] Air pressure check */
    [値],	/* [AIRDLY] Air pressure check delay */
    [値],	/* [LAMP] Work lamp at power on */
    [値],	/* [SLEEP] Sleep timer */
    [値],	/* [OILCNT] Oiling interval */
};

/* ---- パラメータ: SEWING ---- */
const ushort gus_param_sewing_[29] = {
    [値],	/* [SEWMODE] Sewing mode */
    [値],	/* [SOFTST] Soft start */
    [値],	/* [SSNUM] Soft start stitches */
    [値],	/* [SS1SPD] Soft start speed 1st stitch */
    [値],	/* [SS2SPD] Soft start speed 2nd stitch */
    [値],	/* [SS3SPD] Soft start speed 3rd stitch */
    [値],	/* [SS4SPD] Soft start speed 4th stitch */
    [値],	/* [SS5SPD] Soft start speed 5th stitch */
    [値],	/* [TACKST] Start tack */
    [値],	/* [TACKSTN] Start tack stitches */
    [値],	/* [TACKED] End tack */
    [値],	/* [TACKEDN] End tack stitches */
    [値],	/* [CONDN] Condensed stitches */
    [値],	/* [CONDP] Condensed stitch pitch */
    [値],	/* [PITCHMX] Maximum stitch pitch */
    [値],	/* [JUMPSPD] Jump feed speed */
    [値],	/* [JUMPTRM] Trim before jump */
    [値],	/* [MIRROR] Mirror */
    [値],	/* [SCALEX] Scale X */
    [値],	/* [SCALEY] Scale Y */
    [値],	/* [ROTATE] Rotation */
    [値],	/* [REPEAT] Pattern repeat */
    [値],	/* [PATNO] Pattern number at start */
    [値],	/* [PATSEL] Pattern selection */
    [値],	/* [NDLCOOL] Needle cooler */
    [値],	/* [STOPUP] Needle up at temporary stop */
    [値],	/* [STOPPF] Clamp up at temporary stop */
    [値],	/* [RESTRT] Restart after stop */
    [値],	/* [BACKSTN] Stitches back at restart */
};

/* ---- パラメータ: SPEED ---- */
const ushort gus_param_speed_[20] = {
    [値],	/* [SPDMAX] Maximum sewing speed */
    [値],	/* [SPDMIN] Minimum sewing speed */
    [値],	/* [SPDST] Start speed */
    [値],	/* [SPDTRIM] Trimming speed */
    [値],	/* [SPDLOW] Low speed */
    [値],	/* [SPDL3] Speed limit at 3 mm pitch */
    [値],	/* [SPDL4] Speed limit at 4 mm pitch */
    [値],	/* [SPDL5] Speed limit at 5 mm pitch */
    [値],	/* [SPDL6] Speed limit at 6 mm pitch */
    [値],	/* [SPDL7] Speed limit at 7 mm pitch */
    [値],	/* [SPDL8] Speed limit at 8 mm pitch */
    [値],	/* [SPDL10] Speed limit at 10 mm pitch */
    [値],	/* [SPDL12] Speed limit at 12.7 mm pitch */
    [値],	/* [ACCEL] Acceleration */
    [値],	/* [DECEL] Deceleration */
    [値],	/* [SLOWST] Start curve */
    [値],	/* [PEDALC] Pedal curve */
    [値],	/* [THICKSP] Thick material speed */
    [値],	/* [SPDDISP] Speed display */
    [値],	/* [JOGSPD] Jog speed */
};

/* ---- パラメータ: PRESSER ---- */
const ushort gus_param_presser_[18] = {
    [値],	/* [PFTYPE] Work clamp */
    [値],	/* [PFDOWN] Clamp lowering */
    [値],	/* [PFUP] Clamp after sewing */
    [値],	/* [PFDLY] Clamp down delay */
    [値],	/* [PFUPDLY] Clamp up delay */
    [値],	/* [PFSEP] Left and right clamp apart */
    [値],	/* [PFORDER] Clamp order */
    [値],	/* [PFHOLD] Hold clamp at origin return */
    [値],	/* [INTPF] Intermediate presser */
    [値],	/* [INTPFH] Intermediate presser height */
    [値],	/* [INTPFLO] Intermediate presser lower limit */
    [値],	/* [INTPFS] Intermediate presser stroke */
    [値],	/* [PFPRESS] Clamp pressure */
    [値],	/* [PFWAIT] Wait before clamp up */
    [値],	/* [PFSAFE] Clamp safety */
    [値],	/* [PFPEDAL] Clamp pedal */
    [値],	/* [PFREV] Reverse clamp pedal */
    [値],	/* [PFDRIVE] Clamp drive */
};

/* ---- パラメータ: THREAD ---- */
const ushort gus_param_thread_[22] = {
    [値],	/* [TRIM] Thread trimming */
    [値],	/* [TRIMTYP] Trimmer */
    [値],	/* [TRIMST] Trim knife start angle */
    [値],	/* [TRIMED] Trim knife end angle */
    [値],	/* [TENREL] Tension release angle */
    [値],	/* [TENRELT] Tension release time */
    [値],	/* [WIPER] Wiper */
    [値],	/* [WIPDLY] Wiper delay */
    [値],	/* [WIPTIM] Wiper time */
    [値],	/* [HOLDER] Thread holder */
    [値],	/* [HOLDST] Thread holder start angle */
    [値],	/* [HOLDED] Thread holder end angle */
    [値],	/* [BRKDET] Thread break detection */
    [値],	/* [BRKSTN] Stitches before break detection */
    [値],	/* [BRKSENS] Break detection sensitivity */
    [値],	/* [ATEN] Active tension */
    [値],	/* [ATENV] Active tension value */
    [値],	/* [ATENJ] Tension during jump */
    [値],	/* [ATENST] Tension at sewing start */
    [値],	/* [NDLCLMP] Needle thread clamp */
    [値],	/* [TRIMLEN] Thread end length */
    [値],	/* [TRIMSP] Slow trim */
};

/* ---- パラメータ: FEED ---- */
const ushort gus_param_feed_[21] = {
    [値],	/* [FDTIMX] X feed timing */
    [値],	/* [FDTIMY] Y feed timing */
    [値],	/* [FDMODE] Feed mode */
    [値],	/* [FDSPDX] X jump speed */
    [値],	/* [FDSPDY] Y jump speed */
    [値],	/* [FDACC] Feed acceleration */
    [値],	/* [FDANG] Feed angle table */
    [値],	/* [FDRES] Feed resolution */
    [値],	/* [ORGSPD] Origin search speed */
    [値],	/* [LIMXP] X soft limit plus */
    [値],	/* [LIMXM] X soft limit minus */
    [値],	/* [LIMYP] Y soft limit plus */
    [値],	/* [LIMYM] Y soft limit minus */
    [値],	/* [BKLSHX] X backlash compensation */
    [値],	/* [BKLSHY] Y backlash compensation */
    [値],	/* [STEPCUR] Stepping motor current */
    [値],	/* [HOLDCUR] Holding current */
    [値],	/* [ORGOFX] X origin sensor offset */
    [値],	/* [ORGOFY] Y origin sensor offset */
    [値],	/* [FDSENS] Out-of-step detection */
    [値],	/* [FDSMTH] Feed smoothing */
};

/* ---- パラメータ: COUNTER ---- */
const ushort gus_param_counter_[14] = {
    [値],	/* [BOBTYP] Bobbin counter */
    [値],	/* [BOBSET] Bobbin counter set value */
    [値],	/* [BOBSTEP] Bobbin count step */
    [値],	/* [PCSTYP] Piece counter */
    [値],	/* [PCSSET] Piece counter set value */
    [値],	/* [PCSCLR] Clear piece counter at power on */
    [値],	/* [CNTSTOP] Stop at count-up */
    [値],	/* [CNTBUZ] Buzzer at count-up */
    [値],	/* [PCSALM] Pre-alarm pieces */
    [値],	/* [OILWARN] Oiling warning */
    [値],	/* [MAINT] Maintenance interval */
    [値],	/* [CYCTIME] Cycle time display */
    [値],	/* [CNTKEY] Counter key on panel */
    [値],	/* [CNTWIN] Counter reset confirmations */
};

/* ---- パラメータ: PANEL ---- */
const ushort gus_param_panel_[14] = {
    [値],	/* [PNLBRT] Backlight brightness */
    [値],	/* [PNLCON] Contrast */
    [値],	/* [PNLOFF] Backlight off time */
    [値],	/* [KEYLOCK] Key lock */
    [値],	/* [KEYBEEP] Key click */
    [値],	/* [PNLTYP] Panel */
    [値],	/* [DISPHOME] Home display */
    [値],	/* [PNLPAS] Panel password */
    [値],	/* [PNLPWD] Panel password number */
    [値],	/* [DSPCLK] Clock display */
    [値],	/* [DSPZOOM] Pattern preview zoom */
    [値],	/* [TRACESP] Trace speed */
    [値],	/* [TRACEPF] Clamp during trace */
    [値],	/* [FWDKEY] Forward key step */
};

/* ---- パラメータ: SPECIAL ---- */
const ushort gus_param_special_[12] = {
    [値],	/* [DB1] Monitor channel */
    [値],	/* [DB2] Trace address */
    [値],	/* [DB3] Service output */
    [値],	/* [DB4] Monitor sampling period */
    [値],	/* [DB5] Manufacturer menu */
    [値],	/* [ENCODER] Encoder pulses */
    [値],	/* [MTRGAIN] Main motor speed gain */
    [値],	/* [MTRINT] Main motor integral gain */
    [値],	/* [TRQLIM] Torque limit */
    [値],	/* [SYNCANG] Synchronizer offset */
    [値],	/* [OVERHT] Overheat alarm temperature */
    [値],	/* [VOLTCHK] Supply voltage check */
};

/* ---- パラメータ: MANUFACTURER ---- */
const ushort gus_param_manufacturer_[10] = {
    [値],	/* [MFLOT] Production lot */
    [値],	/* [MFSERIAL] Serial number */
    [値],	/* [MFLINE] Assembly line */
    [値],	/* [MFTEST] Burn-in test mode */
    [値],	/* [MFAGING] Burn-in time */
    [値],	/* [MFDEST] Destination */
    [値],	/* [MFVOLT] Supply voltage */
    [値],	/* [MFCALX] X calibration */
    [値],	/* [MFCALY] Y calibration */
    [値],	/* [MFINIT] Initialise at next power on */
};

/* ---- 入力信号: 機能, 論理, 動作 ---- */
const gst_inp_t gst_inp_I1_ = {	/* CN30-1 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I2_ = {	/* CN30-2 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I3_ = {	/* CN30-3 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I4_ = {	/* CN30-4 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I5_ = {	/* CN30-5 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I6_ = {	/* CN30-6 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I7_ = {	/* CN30-7 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I8_ = {	/* CN30-8 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I9_ = {	/* CN30-9 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I10_ = {	/* CN30-10 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I11_ = {	/* CN30-11 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I12_ = {	/* CN30-12 Standard input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I13_ = {	/* CN41-1 TE BOARD input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I14_ = {	/* CN41-2 TE BOARD input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I15_ = {	/* CN41-3 TE BOARD input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I16_ = {	/* CN41-4 TE BOARD input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I17_ = {	/* CN51-1 I/O BOARD No.1 input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I18_ = {	/* CN51-2 I/O BOARD No.1 input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I19_ = {	/* CN51-3 I/O BOARD No.1 input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I20_ = {	/* CN51-4 I/O BOARD No.1 input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I21_ = {	/* CN61-1 I/O BOARD No.2 input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I22_ = {	/* CN61-2 I/O BOARD No.2 input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I23_ = {	/* CN71-1 I/O BOARD No.3 input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};
const gst_inp_t gst_inp_I24_ = {	/* CN71-2 I/O BOARD No.3 input */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
};

/* ---- 出力信号: 機能, 論理, 動作, 予約, ON ディレイ, 全波, チョッピング ON/OFF, OFF ディレイ ---- */
const gst_out_t gst_out_O1_ = {	/* CN31-1 Standard output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O2_ = {	/* CN31-2 Standard output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O3_ = {	/* CN31-3 Standard output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O4_ = {	/* CN31-4 Standard output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O5_ = {	/* CN31-5 Standard output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O6_ = {	/* CN31-6 Standard output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O7_ = {	/* CN42-1 TE BOARD output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O8_ = {	/* CN42-2 TE BOARD output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O9_ = {	/* CN52-1 I/O BOARD No.1 output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O10_ = {	/* CN52-2 I/O BOARD No.1 output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O11_ = {	/* CN52-3 I/O BOARD No.1 output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O12_ = {	/* CN52-4 I/O BOARD No.1 output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O13_ = {	/* CN62-1 I/O BOARD No.2 output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O14_ = {	/* CN62-2 I/O BOARD No.2 output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O15_ = {	/* CN72-1 I/O BOARD No.3 output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};
const gst_out_t gst_out_O16_ = {	/* CN72-2 I/O BOARD No.3 output */
    [値],	/* 機能 */
    [値],	/* 論理 */
    [値],	/* 動作 */
    0,	/* 予約: このひな形の値のまま */
    [値],	/* ON ディレイ (0.1ms) */
    [値],	/* 全波時間 (0.1ms) */
    [値],	/* チョッピング ON (0.1ms) */
    [値],	/* チョッピング OFF (0.1ms) */
    [値],	/* OFF ディレイ (0.1ms) */
};

/* ---- 送りパラメータ ---- */
const ushort gus_x_s8_cw_[31] = { [値] };	/* X_P1_A */
const ushort gus_x_s8_ccw_[31] = { [値] };	/* X_P1_B */
const ushort gus_x_e8_cw_[31] = { [値] };	/* X_T1_A */
const ushort gus_x_e8_ccw_[31] = { [値] };	/* X_T1_B */
const uchar guc_x_p1_cw_[31] = { [値] };	/* X_P2_A */
const uchar guc_x_p1_ccw_[31] = { [値] };	/* X_P2_B */
const uchar guc_x_p2_cw_[31] = { [値] };	/* X_T2_A */
const uchar guc_x_p2_ccw_[31] = { [値] };	/* X_T2_B */
const ushort gus_y_s8_cw_[31] = { [値] };	/* Y_P1_A */
const ushort gus_y_s8_ccw_[31] = { [値] };	/* Y_P1_B */
const ushort gus_y_e8_cw_[31] = { [値] };	/* Y_T1_A */
const ushort gus_y_e8_ccw_[31] = { [値] };	/* Y_T1_B */
const uchar guc_y_p1_cw_[31] = { [値] };	/* Y_P2_A */
const uchar guc_y_p1_ccw_[31] = { [値] };	/* Y_P2_B */
const uchar guc_y_p2_cw_[31] = { [値] };	/* Y_T2_A */
const uchar guc_y_p2_ccw_[31] = { [値] };	/* Y_T2_B */
const ushort gus_x_l1_[201] = { [値] };	/* XYLM */
const ushort gus_x_l2_[201] = { [値] };	/* XGA */
const ushort gus_y_l2_[201] = { [値] };	/* YGA */
const ushort gus_p1x_[201] = { [値] };	/* P1X */
const ushort gus_p1y_[201] = { [値] };	/* P1Y */
const ushort gus_y_l1_[201] = { [値] };	/* ZLM */
const ushort gms_p1_pls_base_ = [値];	/* 最大引き込みパルス基準比の分子 */
const ushort gms_p1_pls_all_ = [値];	/* 最大引き込みパルス基準比の分母 */
const ushort gms_pmd_pd_inpos_ = [値];	/* XY PD 制御の POSERR 範囲 */
const ushort gus_s8_top_ = [値];	/* 最高速時の S8 角度 */
const ushort gus_x_pos_kd_speed_ = [値];	/* X 軸位置ゲインの切替速度 */
const ushort gus_y_pos_kd_speed_ = [値];	/* Y 軸位置ゲインの切替速度 */
const ushort gus_xy_inv_ = [値];	/* XY ノッチパラメータ */

/* end of zrdl_G[機種].c */
