/*  FANLET-4: a controller for four cooling fans. */
/*  Register and parameter map: a name, a value, an optional type and a remark */
/*  on each line. */
/*  */
/*  The register block is addressed in bytes. An address given in H notation */
/*  stays hexadecimal in the outputs; "$" is the address behind the previous */
/*  register, "#" names an address without taking any room. */
#define FAN_BASE                                0x4000      /* (const) start of the register block */
/*  Identification and control */
#define FAN_ID                                  0x4000      /* (BYTE) device id, reads FAN_ID_VALUE */
#define FAN_REV                                 0x4001      /* (BYTE) hardware revision */
#define FAN_CTRL                                0x4002      /* (FLAG) bit 0 run, bit 1 auto, bit 7 reset */
#define FAN_IRQ_EN                              0x4004      /* (MASK) interrupt enable mask */
#define FAN_IRQ_STAT                            0x4006      /* (MASK) interrupt status, write 1 to clear */
#define FAN_UPTIME                              0x4008      /* (ULONG) seconds since power-up */
#define FAN_FAULTS                              0x400C      /* fault counter, as wide as the line above */
/*  Fan records, four bytes each */
#define FAN_RECORDS                             0x4010      /* first fan record */
#define FAN1_DUTY                               0x4010      /* (BYTE) PWM duty, 0 to 255 */
#define FAN1_MODE                               0x4011      /* (BYTE) one of the FAN_MODE values below */
#define FAN1_RPM                                0x4012      /* (UINT) measured speed */
#define FAN2_DUTY                               0x4014      /* (BYTE)  */
#define FAN2_MODE                               0x4015      /* (BYTE)  */
#define FAN2_RPM                                0x4016      /* (UINT)  */
#define FAN3_DUTY                               0x4018      /* (BYTE)  */
#define FAN3_MODE                               0x4019      /* (BYTE)  */
#define FAN3_RPM                                0x401A      /* (UINT)  */
#define FAN4_DUTY                               0x401C      /* (BYTE)  */
#define FAN4_MODE                               0x401D      /* (BYTE)  */
#define FAN4_RPM                                0x401E      /* (UINT)  */
#define FAN_LOG_PTR                             0x4020      /* (PTR) event log read pointer */
/*  Sensors, read only */
#define FAN_SENSORS                             0x4030      /* (const) start of the sensor block */
#define TEMP_BOARD                              0x4030      /* (INT) board temperature, 1/10 degree C */
#define TEMP_INLET                              0x4032      /* (INT) inlet air temperature, 1/10 degree C */
#define TEMP_GAIN                               0x4034      /* (DOUBLE) calibration gain */
#define FAN_LAST_EVENT                          0x403C      /* (EVENT) newest entry of the event log */
#define FAN_SENSORS_END                         0x4048      /* end of the sensor block */
/*  Settings kept in EEPROM, addressed from 0 */
#define EE_CONTRAST                             0           /* (EBYTE) display contrast */
#define EE_TARGET                               1           /* (EWORD) target temperature, 1/10 degree C */
#define EE_CURVE                                3           /* (EWORD) fan curve slope */
/*  Fan modes */
#define FAN_MODE_OFF                            0           /* (enum)  */
#define FAN_MODE_AUTO                           1           /* (enum) follows the board temperature */
#define FAN_MODE_FIXED                          2           /* (enum) holds the duty that was written last */
#define FAN_MODE_BOOST                          3           /* (enum) full speed for 30 seconds */
/*  Limits */
#define FAN_COUNT                               4           /* (const) fans on the board */
#define FAN_ID_VALUE                            0x5A        /* (const) what FAN_ID reads */
#define TEMP_ALARM                              850         /* (const) alarm above 85.0 degrees C */
#define TEMP_MIN                                -400        /* (const) lowest reading, -40.0 degrees C */
#define FAN_MAX_RPM                             4800        /* (lit) rated speed of the fans */
