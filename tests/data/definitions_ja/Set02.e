MACHINE	MACHTYP	SEL				Machine type	S: standard material<RETURN>H: heavy material<RETURN>L: light material	32	1
MACHINE	HEADTYP	SEL				Sewing head	Sewing head fitted on the table.	33	1
MACHINE	AREAX	NUM	mm	10	400	Sewing area X	Width of the sewing area.<RETURN>Limits every pattern in X.	34	2
MACHINE	AREAY	NUM	mm	10	300	Sewing area Y	Depth of the sewing area.<RETURN>Limits every pattern in Y.	36	2
MACHINE	ORGX	NUM	mm	0	AREAX	Origin position X	Mechanical origin from the left edge of the area.<RETURN>Cannot exceed the sewing area X.	38	2
MACHINE	ORGY	NUM	mm	0	AREAY	Origin position Y	Mechanical origin from the front edge of the area.<RETURN>Cannot exceed the sewing area Y.	40	2
MACHINE	MOTOR	SEL				Main motor	DD: direct drive motor.	42	1
MACHINE	PULLEY	NUM	%	50	200	Pulley ratio	Motor pulley against machine pulley, in percent.	43	1
MACHINE	NDLSTOP	SEL				Needle stop position	Needle position at a temporary stop.	44	1
MACHINE	UPPOS	NUM	deg	0	359	Needle up stop angle	Angle of the main shaft at the needle up stop.	46	2
MACHINE	DNPOS	NUM	deg	0	359	Needle down stop angle	Angle of the main shaft at the needle down stop.	48	2
MACHINE	PWRON	SEL				Action at power on	NONE: wait for the start switch<RETURN>ORIGIN: search the origin<RETURN>LAST: return to the last point	50	1
MACHINE	ORGRET	SEL				Origin return after sewing	Returns the clamp to the origin after every pattern.	51	1
MACHINE	ORGSEQ	SEL				Origin search order	Axis order of the origin search.	52	1
MACHINE	BUZZER	SEL				Buzzer	Sounds the buzzer on errors and count-up.	53	1
MACHINE	BUZVOL	NUM		0	10	Buzzer volume	0 mutes the buzzer.	54	1
MACHINE	LANG	SEL				Panel language	Language of the operation panel.	55	1
MACHINE	LENUNIT	SEL				Length unit	Unit of lengths shown on the panel.	56	1
MACHINE	EMGMODE	SEL				Emergency stop action	STOP: stop at once<RETURN>UP: stop at needle up<RETURN>TRIM: trim, then stop	57	1
MACHINE	SAFESW	SEL				Safety switch check	Checks the safety switch before every start.	58	1
MACHINE	AIRCHK	SEL				Air pressure check	Stops with an alarm when the air pressure falls.	59	1
MACHINE	AIRDLY	NUM	ms	0	5000	Air pressure check delay	Time the pressure may stay low before the alarm.	60	2
MACHINE	LAMP	SEL				Work lamp at power on	Switches the work lamp on at power on.	62	1
MACHINE	SLEEP	NUM	min	0	120	Sleep timer	0: the machine never sleeps.	63	1
MACHINE	OILCNT	NUM	h	0	2000	Oiling interval	Hours of sewing between two oiling warnings.	64	2
SEWING	SEWMODE	SEL				Sewing mode	PATTERN: sew a stored pattern<RETURN>MANUAL: feed by the jog keys<RETURN>STEP: one stitch per start	128	1
SEWING	SOFTST	SEL				Soft start	縫い始めの数針を低速で縫います。<RETURN>ソフトスタートの針数は SSNUM で設定します。	129	1
SEWING	SSNUM	NUM	針	0	5	Soft start stitches	Stitches sewn at the soft start speeds (0～5).	130	1
SEWING	SS1SPD	NUM	rpm	SPDMIN	SPDMAX	Soft start speed 1st stitch	Speed of the first stitch.<RETURN>Between the minimum and the maximum speed.	132	2
SEWING	SS2SPD	NUM	rpm	SPDMIN	SPDMAX	Soft start speed 2nd stitch	Speed of the second stitch.	134	2
SEWING	SS3SPD	NUM	rpm	SPDMIN	SPDMAX	Soft start speed 3rd stitch	Speed of the third stitch.	136	2
SEWING	SS4SPD	NUM	rpm	SPDMIN	SPDMAX	Soft start speed 4th stitch	Speed of the fourth stitch.	138	2
SEWING	SS5SPD	NUM	rpm	SPDMIN	SPDMAX	Soft start speed 5th stitch	Speed of the fifth stitch.	140	2
SEWING	TACKST	SEL				Start tack	Sews a tack at the start of the pattern.	142	1
SEWING	TACKSTN	NUM	針	0	5	Start tack stitches	Stitches of the start tack.	143	1
SEWING	TACKED	SEL				End tack	Sews a tack at the end of the pattern.	144	1
SEWING	TACKEDN	NUM	針	0	5	End tack stitches	Stitches of the end tack.	145	1
SEWING	CONDN	NUM	針	0	9	Condensed stitches	Condensed stitches at the start and the end.	146	1
SEWING	CONDP	NUM	0.1mm	1	30	Condensed stitch pitch	Pitch of the condensed stitches.	147	1
SEWING	PITCHMX	NUM	0.1mm	1	127	Maximum stitch pitch	Longer stitches are split.	148	1
SEWING	JUMPSPD	SEL				Jump feed speed	Speed of the clamp during a jump.	149	1
SEWING	JUMPTRM	SEL				Trim before jump	Trims the thread before every jump longer than 10 mm.	150	1
SEWING	MIRROR	SEL				Mirror	Mirrors the pattern about the origin.	151	1
SEWING	SCALEX	NUM	%	1	400	Scale X	Enlarges or reduces the pattern in X.	152	2
SEWING	SCALEY	NUM	%	1	400	Scale Y	Enlarges or reduces the pattern in Y.	154	2
SEWING	ROTATE	NUM	deg	0	359	Rotation	Rotates the pattern about the origin.	156	2
SEWING	REPEAT	NUM	回	1	99	Pattern repeat	Times the pattern is sewn per start.	158	1
SEWING	PATNO	NUM		1	999	Pattern number at start	Pattern selected at power on.	160	2
SEWING	PATSEL	SEL				Pattern selection	EXT: the pattern number comes from the inputs.	162	1
SEWING	NDLCOOL	SEL				Needle cooler	Blows air on the needle while sewing.	163	1
SEWING	STOPUP	SEL				Needle up at temporary stop	Raises the needle at a temporary stop.	164	1
SEWING	STOPPF	SEL				Clamp up at temporary stop	Raises the clamp at a temporary stop.	165	1
SEWING	RESTRT	SEL				Restart after stop	CONT: go on where stopped<RETURN>BACK: go back BACKSTN stitches<RETURN>ORIGIN: start again	166	1
SEWING	BACKSTN	NUM	針	0	99	Stitches back at restart	Used when the restart is BACK.	167	1
SPEED	SPDMAX	NUM	rpm	SPDMIN	2800	Maximum sewing speed	Highest speed of the main shaft.<RETURN>Cannot be set below the minimum speed.	256	2
SPEED	SPDMIN	NUM	rpm	100	SPDMAX	Minimum sewing speed	Lowest speed of the main shaft.<RETURN>Cannot be set above the maximum speed.	258	2
SPEED	SPDST	NUM	rpm	SPDMIN	SPDMAX	Start speed	Speed after the soft start.	260	2
SPEED	SPDTRIM	NUM	rpm	100	400	Trimming speed	Speed while the thread is trimmed.	262	2
SPEED	SPDLOW	NUM	rpm	100	800	Low speed	Speed of the low speed switch.	264	2
SPEED	SPDL3	NUM	rpm	SPDMIN	SPDMAX	Speed limit at 3 mm pitch		266	2
SPEED	SPDL4	NUM	rpm	SPDMIN	SPDMAX	Speed limit at 4 mm pitch		268	2
SPEED	SPDL5	NUM	rpm	SPDMIN	SPDMAX	Speed limit at 5 mm pitch		270	2
SPEED	SPDL6	NUM	rpm	SPDMIN	SPDMAX	Speed limit at 6 mm pitch		272	2
SPEED	SPDL7	NUM	rpm	SPDMIN	SPDMAX	Speed limit at 7 mm pitch		274	2
SPEED	SPDL8	NUM	rpm	SPDMIN	SPDMAX	Speed limit at 8 mm pitch		276	2
SPEED	SPDL10	NUM	rpm	SPDMIN	SPDMAX	Speed limit at 10 mm pitch		278	2
SPEED	SPDL12	NUM	rpm	SPDMIN	SPDMAX	Speed limit at 12.7 mm pitch	Longest pitch of the feed.<RETURN>The feed needs the whole needle-up time here.	280	2
SPEED	ACCEL	NUM		1	10	Acceleration	1: softest, 10: hardest.	282	1
SPEED	DECEL	NUM		1	10	Deceleration	1: softest, 10: hardest.	283	1
SPEED	SLOWST	SEL				Start curve	Shape of the speed curve at the start.	284	1
SPEED	PEDALC	SEL				Pedal curve	Speed against pedal stroke.	285	1
SPEED	THICKSP	NUM	rpm	SPDMIN	SPDMAX	Thick material speed	Speed while the thick material input is on.	286	2
SPEED	SPDDISP	SEL				Speed display	Unit of the speed on the panel.	288	1
SPEED	JOGSPD	NUM		1	5	Jog speed	Speed of the clamp under the jog keys.	289	1
PRESSER	PFTYPE	SEL				Work clamp	SINGLE: one clamp<RETURN>SPLIT: left and right clamp<RETURN>2-STEP: clamp with a middle position	320	1
PRESSER	PFDOWN	SEL				Clamp lowering	AUTO: the clamp lowers when the work is detected.	321	1
PRESSER	PFUP	SEL				Clamp after sewing	When the clamp rises after the pattern.	322	1
PRESSER	PFDLY	NUM	ms	0	990	Clamp down delay	Wait after the clamp is down before the start.	324	2
PRESSER	PFUPDLY	NUM	ms	0	990	Clamp up delay	Wait after trimming before the clamp rises.	326	2
PRESSER	PFSEP	SEL				Left and right clamp apart	Lowers the left and right clamp by separate pedals.	328	1
PRESSER	PFORDER	SEL				Clamp order	Order of the split clamps.	329	1
PRESSER	PFHOLD	SEL				Hold clamp at origin return	Keeps the clamp down while returning to the origin.	330	1
PRESSER	INTPF	SEL				Intermediate presser	Uses the intermediate presser.	331	1
PRESSER	INTPFH	NUM	0.1mm	0	70	Intermediate presser height	Height above the throat plate while sewing.	332	1
PRESSER	INTPFLO	NUM	0.1mm	0	INTPFH	Intermediate presser lower limit	Lowest height of the intermediate presser.<RETURN>Cannot exceed the height while sewing.	333	1
PRESSER	INTPFS	NUM	0.1mm	0	70	Intermediate presser stroke	Stroke of the intermediate presser.	334	1
PRESSER	PFPRESS	NUM		1	9	Clamp pressure	1: weakest, 9: strongest.	335	1
PRESSER	PFWAIT	NUM	0.1s	0	99	Wait before clamp up		336	1
PRESSER	PFSAFE	SEL				Clamp safety	The clamp does not lower while the safety input is off.	337	1
PRESSER	PFPEDAL	SEL				Clamp pedal	Pedal fitted to the machine.	338	1
PRESSER	PFREV	SEL				Reverse clamp pedal	Reverses the sense of the clamp pedal.	339	1
PRESSER	PFDRIVE	SEL				Clamp drive	How the clamp is driven.	340	1
THREAD	TRIM	SEL				Thread trimming	Trims the thread at the end of the pattern.	384	1
THREAD	TRIMTYP	SEL				Trimmer	SHORT leaves a short thread end.	385	1
THREAD	TRIMST	NUM	deg	0	359	Trim knife start angle	Angle at which the knife moves in.	386	2
THREAD	TRIMED	NUM	deg	0	359	Trim knife end angle	Angle at which the knife moves back.	388	2
THREAD	TENREL	NUM	deg	0	359	Tension release angle	Angle at which the tension opens while trimming.	390	2
THREAD	TENRELT	NUM	ms	0	500	Tension release time		392	2
THREAD	WIPER	SEL				Wiper	Wipes the thread end after trimming.	394	1
THREAD	WIPDLY	NUM	ms	0	500	Wiper delay	Wait after trimming before the wiper moves.	396	2
THREAD	WIPTIM	NUM	ms	10	500	Wiper time	Time the wiper stays out.	398	2
THREAD	HOLDER	SEL				Thread holder	糸つかみ装置を使います。<RETURN>縫い始めの上糸を保持します。	400	1
THREAD	HOLDST	NUM	deg	0	359	Thread holder start angle		402	2
THREAD	HOLDED	NUM	deg	0	359	Thread holder end angle		404	2
THREAD	BRKDET	SEL				Thread break detection	Stops when the upper thread breaks.	406	1
THREAD	BRKSTN	NUM	針	1	15	Stitches before break detection	Stitches from the start without detection.	407	1
THREAD	BRKSENS	NUM		1	9	Break detection sensitivity	1: least sensitive.	408	1
THREAD	ATEN	SEL				Active tension	Sets the upper thread tension electrically.	409	1
THREAD	ATENV	NUM		0	200	Active tension value	Tension while sewing.	410	1
THREAD	ATENJ	NUM		0	ATENV	Tension during jump	Cannot exceed the tension while sewing.	411	1
THREAD	ATENST	NUM		0	200	Tension at sewing start		412	1
THREAD	NDLCLMP	SEL				Needle thread clamp	Stitch at which the clamp releases the thread.	413	1
THREAD	TRIMLEN	NUM	㎜	1	30	Thread end length	Length of the thread end after trimming.	414	1
THREAD	TRIMSP	SEL				Slow trim	Trims at the trimming speed even after short patterns.	415	1
FEED	FDTIMX	NUM	deg	0	359	X feed timing	Angle at which the X feed starts.	448	2
FEED	FDTIMY	NUM	deg	0	359	Y feed timing	Angle at which the Y feed starts.	450	2
FEED	FDMODE	SEL				Feed mode	CONT moves the clamp while the needle is in the work.	452	1
FEED	FDSPDX	NUM	%	10	100	X jump speed		453	1
FEED	FDSPDY	NUM	%	10	100	Y jump speed		454	1
FEED	FDACC	NUM		1	10	Feed acceleration		455	1
FEED	FDANG	SEL				Feed angle table	Set of feed angle tables used.	456	1
FEED	FDRES	SEL				Feed resolution	Smallest step of the pattern data.	457	1
FEED	ORGSPD	NUM	%	10	100	Origin search speed		458	1
FEED	LIMXP	NUM	0.1mm	0	4000	X soft limit plus	Software limit on the plus side of X.	460	2
FEED	LIMXM	NUM	0.1mm	0	4000	X soft limit minus	Software limit on the minus side of X.	462	2
FEED	LIMYP	NUM	0.1mm	0	3000	Y soft limit plus		464	2
FEED	LIMYM	NUM	0.1mm	0	3000	Y soft limit minus		466	2
FEED	BKLSHX	NUM	pulse	0	50	X backlash compensation		468	1
FEED	BKLSHY	NUM	pulse	0	50	Y backlash compensation		469	1
FEED	STEPCUR	SEL				Stepping motor current		470	1
FEED	HOLDCUR	NUM	%	0	100	Holding current	Current while the motors stand still.	471	1
FEED	ORGOFX	NUM	0.1mm	0	100	X origin sensor offset		472	1
FEED	ORGOFY	NUM	0.1mm	0	100	Y origin sensor offset		473	1
FEED	FDSENS	SEL				Out-of-step detection	Stops with an alarm when a stepping motor loses steps.	474	1
FEED	FDSMTH	SEL				Feed smoothing	Smooths the feed curve of long stitches.	475	1
COUNTER	BOBTYP	SEL				Bobbin counter	DOWN counts from the set value to zero.	512	1
COUNTER	BOBSET	NUM	針	0	9999	Bobbin counter set value	Stitches one bobbin lasts.	514	2
COUNTER	BOBSTEP	NUM	針	1	99	Bobbin count step	Stitches per count.	516	1
COUNTER	PCSTYP	SEL				Piece counter	Counts finished pieces.	517	1
COUNTER	PCSSET	NUM	pcs	0	9999	Piece counter set value		518	2
COUNTER	PCSCLR	SEL				Clear piece counter at power on		520	1
COUNTER	CNTSTOP	SEL				Stop at count-up	Stops the machine when a counter reaches its set value.	521	1
COUNTER	CNTBUZ	SEL				Buzzer at count-up		522	1
COUNTER	PCSALM	NUM	pcs	0	99	Pre-alarm pieces	Warns this many pieces before the count-up.	523	1
COUNTER	OILWARN	SEL				Oiling warning	Shows the oiling warning after the oiling interval.	524	1
COUNTER	MAINT	NUM	h	0	9999	Maintenance interval	0: no maintenance warning.	526	2
COUNTER	CYCTIME	SEL				Cycle time display		528	1
COUNTER	CNTKEY	SEL				Counter key on panel	Lets the operator reset the counters.	529	1
COUNTER	CNTWIN	NUM	回	1	9	Counter reset confirmations		530	1
PANEL	PNLBRT	NUM		1	8	Backlight brightness		544	1
PANEL	PNLCON	NUM		1	8	Contrast		545	1
PANEL	PNLOFF	NUM	min	0	60	Backlight off time	0: the backlight stays on.	546	1
PANEL	KEYLOCK	SEL				Key lock	Locks every key except start and stop.	547	1
PANEL	KEYBEEP	SEL				Key click		548	1
PANEL	PNLTYP	SEL				Panel	Operation panel fitted to the machine.	549	1
PANEL	DISPHOME	SEL				Home display		550	1
PANEL	PNLPAS	SEL				Panel password	Asks the panel password before the settings.	551	1
PANEL	PNLPWD	NUM		0	9999	Panel password number		552	2
PANEL	DSPCLK	SEL				Clock display		554	1
PANEL	DSPZOOM	NUM	%	50	400	Pattern preview zoom		556	2
PANEL	TRACESP	NUM	%	10	100	Trace speed	Speed of the clamp while tracing the pattern.	558	1
PANEL	TRACEPF	SEL				Clamp during trace		559	1
PANEL	FWDKEY	SEL				Forward key step	Stitches per press of the forward key.	560	1
特殊	DB1	NUM		0	255	Monitor channel	Channel shown on the service monitor.<RETURN>0: none.	&H0E00	1
特殊	DB2	NUM		0	32767	Trace address	Word address traced by the service monitor.	&H0E02	2
特殊	DB3	SEL				Service output	Where service messages go.	&H0E04	1
特殊	DB4	NUM	ms	0	1000	Monitor sampling period		&H0E06	2
特殊	DB5	SEL				Manufacturer menu	Shows the manufacturer settings.<RETURN>For factory use only.	&H0E08	1
特殊	ENCODER	SEL				Encoder pulses	Pulses per turn of the main shaft encoder.	3594	2
特殊	MTRGAIN	NUM		1	99	Main motor speed gain		3596	1
特殊	MTRINT	NUM		1	99	Main motor integral gain		3597	1
特殊	TRQLIM	NUM	%	50	300	Torque limit		3598	2
特殊	SYNCANG	NUM	deg	0	359	Synchronizer offset		3600	2
特殊	OVERHT	NUM	℃	50	120	Overheat alarm temperature		3602	1
特殊	VOLTCHK	SEL				Supply voltage check		3603	1
メーカー	MFLOT	NUM		0	9999	Production lot		&H0E40	2
メーカー	MFSERIAL	NUM		0	32767	Serial number		&H0E42	2
メーカー	MFLINE	SEL				Assembly line		3652	1
メーカー	MFTEST	SEL				Burn-in test mode	Runs the machine without thread for the burn-in test.	3653	1
メーカー	MFAGING	NUM	h	0	99	Burn-in time		3654	1
メーカー	MFDEST	SEL				Destination	Decides the default language and supply voltage.	3655	1
メーカー	MFVOLT	SEL				Supply voltage		3656	1
メーカー	MFCALX	NUM		0	200	X calibration	100: no correction.	3657	1
メーカー	MFCALY	NUM		0	200	Y calibration	100: no correction.	3658	1
メーカー	MFINIT	SEL				Initialise at next power on	Clears every setting at the next power on.	3659	1
