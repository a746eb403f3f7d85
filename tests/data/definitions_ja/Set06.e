NONE	0	No function
START	1	Start switch
STOP	2	Temporary stop switch
EMG	3	Emergency stop
PEDAL1	4	Clamp pedal, first step
PEDAL2	5	Clamp pedal, second step
PFL	6	Left clamp pedal
PFR	7	Right clamp pedal
TRIMSW	8	Manual trim switch
WIPSW	9	Manual wiper switch
ORGSW	10	Origin return switch
SAFETY	11	Safety switch
AIRLOW	12	Air pressure low
THBRK	13	Thread break sensor
BOBEND	14	Bobbin end sensor
WORKDET	15	Work detection sensor
LOWSPD	16	Low speed switch
THICK	17	Thick material switch
INTPFSW	18	Intermediate presser switch
CNTRST	19	Counter reset
PAT1	20	Pattern select bit 1
PAT2	21	Pattern select bit 2
PAT4	22	Pattern select bit 4
PAT8	23	Pattern select bit 8
JOGXP	24	Jog X plus
JOGXM	25	Jog X minus
JOGYP	26	Jog Y plus
JOGYM	27	Jog Y minus
STEPSW	28	One stitch forward
BACKSW	29	One stitch back
DOORSW	32	Safety door closed
STACKER	33	Stacker ready
LOADER	34	Loader ready
EXTSTOP	40	External stop request
EXTSTART	41	External start request
READY	64	Line controller ready
TEST	200	Factory test input
