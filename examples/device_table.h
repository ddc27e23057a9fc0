typedef enum
{
    BYTE,
    PTR,
    FLAG,
    MASK,
    UINT,
    INT,
    ULONG,
    LONG,
    DOUBLE,
    EVENT,
    LIT
} ParameterType;

typedef struct
{
    char ParmName[24];
    long ParmLoc;
    ParameterType ParmType;
} XOLTParamRec;

#define LASTPARM 37

XOLTParamRec XOLTParams[LASTPARM] = 
{
    { "FAN_BASE", 0x4000, CONST },
    { "FAN_ID", 0x4000, BYTE },
    { "FAN_REV", 0x4001, BYTE },
    { "FAN_CTRL", 0x4002, FLAG },
    { "FAN_IRQ_EN", 0x4004, MASK },
    { "FAN_IRQ_STAT", 0x4006, MASK },
    { "FAN_UPTIME", 0x4008, ULONG },
    { "FAN1_DUTY", 0x4010, BYTE },
    { "FAN1_MODE", 0x4011, BYTE },
    { "FAN1_RPM", 0x4012, UINT },
    { "FAN2_DUTY", 0x4014, BYTE },
    { "FAN2_MODE", 0x4015, BYTE },
    { "FAN2_RPM", 0x4016, UINT },
    { "FAN3_DUTY", 0x4018, BYTE },
    { "FAN3_MODE", 0x4019, BYTE },
    { "FAN3_RPM", 0x401A, UINT },
    { "FAN4_DUTY", 0x401C, BYTE },
    { "FAN4_MODE", 0x401D, BYTE },
    { "FAN4_RPM", 0x401E, UINT },
    { "FAN_LOG_PTR", 0x4020, PTR },
    { "FAN_SENSORS", 0x4030, CONST },
    { "TEMP_BOARD", 0x4030, INT },
    { "TEMP_INLET", 0x4032, INT },
    { "TEMP_GAIN", 0x4034, DOUBLE },
    { "FAN_LAST_EVENT", 0x403C, EVENT },
    { "EE_CONTRAST", 0, EBYTE },
    { "EE_TARGET", 1, EWORD },
    { "EE_CURVE", 3, EWORD },
    { "FAN_MODE_OFF", 0, ENUM },
    { "FAN_MODE_AUTO", 1, ENUM },
    { "FAN_MODE_FIXED", 2, ENUM },
    { "FAN_MODE_BOOST", 3, ENUM },
    { "FAN_COUNT", 4, CONST },
    { "FAN_ID_VALUE", 0x5A, CONST },
    { "TEMP_ALARM", 850, CONST },
    { "TEMP_MIN", -400, CONST },
    { "FAN_MAX_RPM", 4800, LIT }
} ;
