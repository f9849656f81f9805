#pragma once

// Makes standard output pass bytes through as they are written: a file
// whose format fixes its line ends (CR LF in iCalendar) must not have
// Windows' text mode add a CR before each LF. Does nothing on POSIX
// systems, whose output has no text mode (StandardOutputPosix.cpp).
void UseBinaryStandardOutput();
