// Excerpt of a Windows error header
#ifndef _WINERROR_
#define _WINERROR_
#define ERROR_SUCCESS 0L
#define ERROR_ACCESS_DENIED 5L
#define E_UNEXPECTED _HRESULT_TYPEDEF_(0x8000FFFFL)
#define E_FAIL ((HRESULT)-2147467259L)
#define  RPC_S_OK   ERROR_SUCCESS
# define CO_E_X 0x800401F0
	#define	WIN32_NAME WIN32 7
#endif
