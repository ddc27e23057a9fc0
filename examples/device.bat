REM  FANLET-4: a controller for four cooling fans.
REM  Register and parameter map: a name, a value, an optional type and a remark
REM  on each line.
REM 
REM  The register block is addressed in bytes. An address given in H notation
REM  stays hexadecimal in the outputs; "$" is the address behind the previous
REM  register, "#" names an address without taking any room.
set                     FAN_BASE=16384(const) start of the register block
REM  Identification and control
set                     FAN_ID=16384(BYTE) device id, reads FAN_ID_VALUE
set                     FAN_REV=16385(BYTE) hardware revision
set                     FAN_CTRL=16386(FLAG) bit 0 run, bit 1 auto, bit 7 reset
set                     FAN_IRQ_EN=16388(MASK) interrupt enable mask
set                     FAN_IRQ_STAT=16390(MASK) interrupt status, write 1 to clear
set                     FAN_UPTIME=16392(ULONG) seconds since power-up
set                     FAN_FAULTS=16396fault counter, as wide as the line above
REM  Fan records, four bytes each
set                     FAN_RECORDS=16400first fan record
set                     FAN1_DUTY=16400(BYTE) PWM duty, 0 to 255
set                     FAN1_MODE=16401(BYTE) one of the FAN_MODE values below
set                     FAN1_RPM=16402(UINT) measured speed
set                     FAN2_DUTY=16404(BYTE) 
set                     FAN2_MODE=16405(BYTE) 
set                     FAN2_RPM=16406(UINT) 
set                     FAN3_DUTY=16408(BYTE) 
set                     FAN3_MODE=16409(BYTE) 
set                     FAN3_RPM=16410(UINT) 
set                     FAN4_DUTY=16412(BYTE) 
set                     FAN4_MODE=16413(BYTE) 
set                     FAN4_RPM=16414(UINT) 
set                     FAN_LOG_PTR=16416(PTR) event log read pointer
REM  Sensors, read only
set                     FAN_SENSORS=16432(const) start of the sensor block
set                     TEMP_BOARD=16432(INT) board temperature, 1/10 degree C
set                     TEMP_INLET=16434(INT) inlet air temperature, 1/10 degree C
set                     TEMP_GAIN=16436(DOUBLE) calibration gain
set                     FAN_LAST_EVENT=16444(EVENT) newest entry of the event log
set                     FAN_SENSORS_END=16456end of the sensor block
REM  Settings kept in EEPROM, addressed from 0
set                     EE_CONTRAST=0(EBYTE) display contrast
set                     EE_TARGET=1(EWORD) target temperature, 1/10 degree C
set                     EE_CURVE=3(EWORD) fan curve slope
REM  Fan modes
set                     FAN_MODE_OFF=0(enum) 
set                     FAN_MODE_AUTO=1(enum) follows the board temperature
set                     FAN_MODE_FIXED=2(enum) holds the duty that was written last
set                     FAN_MODE_BOOST=3(enum) full speed for 30 seconds
REM  Limits
set                     FAN_COUNT=4(const) fans on the board
set                     FAN_ID_VALUE=90(const) what FAN_ID reads
set                     TEMP_ALARM=850(const) alarm above 85.0 degrees C
set                     TEMP_MIN=-400(const) lowest reading, -40.0 degrees C
set                     FAN_MAX_RPM=4800(lit) rated speed of the fans
