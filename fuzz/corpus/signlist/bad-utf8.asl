@sign BROKEN
@ucun	ð’€
@v	a
@end sign
