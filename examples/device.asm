;  FANLET-4: a controller for four cooling fans.
;  Register and parameter map: a name, a value, an optional type and a remark
;  on each line.
; 
;  The register block is addressed in bytes. An address given in H notation
;  stays hexadecimal in the outputs; "$" is the address behind the previous
;  register, "#" names an address without taking any room.
FAN_BASE                equ     04000h          ; (const) start of the register block
;  Identification and control
FAN_ID                  equ     04000h          ; (BYTE) device id, reads FAN_ID_VALUE
FAN_REV                 equ     04001h          ; (BYTE) hardware revision
FAN_CTRL                equ     04002h          ; (FLAG) bit 0 run, bit 1 auto, bit 7 reset
FAN_IRQ_EN              equ     04004h          ; (MASK) interrupt enable mask
FAN_IRQ_STAT            equ     04006h          ; (MASK) interrupt status, write 1 to clear
FAN_UPTIME              equ     04008h          ; (ULONG) seconds since power-up
FAN_FAULTS              equ     0400Ch          ; fault counter, as wide as the line above
;  Fan records, four bytes each
FAN_RECORDS             equ     04010h          ; first fan record
FAN1_DUTY               equ     04010h          ; (BYTE) PWM duty, 0 to 255
FAN1_MODE               equ     04011h          ; (BYTE) one of the FAN_MODE values below
FAN1_RPM                equ     04012h          ; (UINT) measured speed
FAN2_DUTY               equ     04014h          ; (BYTE) 
FAN2_MODE               equ     04015h          ; (BYTE) 
FAN2_RPM                equ     04016h          ; (UINT) 
FAN3_DUTY               equ     04018h          ; (BYTE) 
FAN3_MODE               equ     04019h          ; (BYTE) 
FAN3_RPM                equ     0401Ah          ; (UINT) 
FAN4_DUTY               equ     0401Ch          ; (BYTE) 
FAN4_MODE               equ     0401Dh          ; (BYTE) 
FAN4_RPM                equ     0401Eh          ; (UINT) 
FAN_LOG_PTR             equ     04020h          ; (PTR) event log read pointer
;  Sensors, read only
FAN_SENSORS             equ     04030h          ; (const) start of the sensor block
TEMP_BOARD              equ     04030h          ; (INT) board temperature, 1/10 degree C
TEMP_INLET              equ     04032h          ; (INT) inlet air temperature, 1/10 degree C
TEMP_GAIN               equ     04034h          ; (DOUBLE) calibration gain
FAN_LAST_EVENT          equ     0403Ch          ; (EVENT) newest entry of the event log
FAN_SENSORS_END         equ     04048h          ; end of the sensor block
;  Settings kept in EEPROM, addressed from 0
EE_CONTRAST             equ     0               ; (EBYTE) display contrast
EE_TARGET               equ     1               ; (EWORD) target temperature, 1/10 degree C
EE_CURVE                equ     3               ; (EWORD) fan curve slope
;  Fan modes
FAN_MODE_OFF            equ     0               ; (enum) 
FAN_MODE_AUTO           equ     1               ; (enum) follows the board temperature
FAN_MODE_FIXED          equ     2               ; (enum) holds the duty that was written last
FAN_MODE_BOOST          equ     3               ; (enum) full speed for 30 seconds
;  Limits
FAN_COUNT               equ     4               ; (const) fans on the board
FAN_ID_VALUE            equ     05Ah            ; (const) what FAN_ID reads
TEMP_ALARM              equ     850             ; (const) alarm above 85.0 degrees C
TEMP_MIN                equ     -400            ; (const) lowest reading, -40.0 degrees C
FAN_MAX_RPM             equ     4800            ; (lit) rated speed of the fans
