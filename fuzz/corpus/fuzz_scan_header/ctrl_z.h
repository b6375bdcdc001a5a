#define BEFORE_MARK 1
#define AT 2
#define AFTER_MARK 3
