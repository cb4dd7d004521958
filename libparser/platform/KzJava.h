// Private: included by the platform layer and the native methods (web/KivParserNativeJni.cpp).
#ifndef KIVPARSER_PLATFORM_KZJAVA_H
#define KIVPARSER_PLATFORM_KZJAVA_H

// The Java string helpers of the platform layer, used by the native methods of
// the web client. Built only when a JDK is present (they need <jni.h>).

#include <jni.h>

namespace kivparser {

// The bytes of `str` as JNI gives them (modified UTF-8); never null: a null
// string, or one whose characters cannot be had, gives an empty text.
const char* javaNativeGetNonNULLStringUTFChars(JNIEnv* env, jstring str);

// Releases what javaNativeGetNonNULLStringUTFChars returned for `str`.
void javaNativeFreeNonNULLStringUTFChars(JNIEnv* env, jstring str, const char* chars);

// Stores `value` (null counts as empty), a text in the code set of the
// process's character-type locale, in the static String field `fieldName` of
// `cls`. Bytes that do not convert become U+FFFD. Returns 0, or -1 when the
// field does not exist or memory runs out (no Java exception is left pending).
int javaNativeSetStaticStringUseCodeset(JNIEnv* env, jclass cls, const char* fieldName,
                                        const char* value);

} // namespace kivparser

#endif
