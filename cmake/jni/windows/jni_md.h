/* The machine-dependent part of the JNI header for a Windows build made
   where the JDK has none for Windows (a cross build): the three linkage
   macros and the two integer types whose width is Windows's. */
#ifndef KIVPARSER_JNI_MD_H
#define KIVPARSER_JNI_MD_H

#define JNIEXPORT __declspec(dllexport)
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint; /* 32 bits on Windows */
typedef __int64 jlong;
typedef signed char jbyte;

#endif
