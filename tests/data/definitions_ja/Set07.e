NONE	0	No function
PF	1	Work clamp
PFL	2	Left work clamp
PFR	3	Right work clamp
INTPF	4	Intermediate presser
TRIM	5	Thread trimmer
WIPER	6	Wiper
TENREL	7	Tension release
HOLDER	8	Thread holder
NDLCLMP	9	Needle thread clamp
COOLER	10	Needle cooler
LAMP	11	Work lamp
BUZZER	12	Buzzer
READY	13	Machine ready
RUN	14	Machine sewing
ERROR	15	Error signal
CNTUP	16	Counter reached
BOBEND	17	Bobbin counter reached
ORGOK	18	At origin
PFDOWN	19	Clamp down
SEWEND	20	Sewing finished
OILLAMP	21	Oiling warning lamp
STACK	22	Stacker drive
BLOW	23	Air blow
MARKER	24	Marking lamp
REVFEED	25	Reverse feed solenoid
PATOUT1	26	Pattern number bit 1
PATOUT2	27	Pattern number bit 2
PATOUT4	28	Pattern number bit 4
PATOUT8	29	Pattern number bit 8
UNLOAD	32	Unload request
LOADREQ	33	Load request
DOORLOCK	40	Safety door lock
EXT1	64	User output 1
EXT2	65	User output 2
TEST	200	Factory test output
